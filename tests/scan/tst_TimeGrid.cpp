#include "Error.h"
#include "GridSettings.h"
#include "ScanStrings.h"
#include "ScriptedPrompts.h"
#include "TimeGrid.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <climits>
#include <memory>

namespace {

// Records what the grid asks to repaint, what it then paints and what it announces.
class TRecordingGrid : public TTimeGrid {
public:
    using TTimeGrid::TTimeGrid;
    QRegion Requested;
    QRegion Painted;
    QList<QWidget *> Announced;
    bool FailRowFrame = false;

    void DrawRowFrame(QPainter &painter, int r, const TGridPen &pen, bool show) override {
        if (FailRowFrame)
            throw TError(QStringLiteral("pen lost"));
        TTimeGrid::DrawRowFrame(painter, r, pen, show);
    }

protected:
    void AnnounceCursorKey(QWidget *control) override { Announced.append(control); }
    void UpdateArea(const QRegion &region) override {
        Requested += region;
        TTimeGrid::UpdateArea(region);
    }
    void paintEvent(QPaintEvent *event) override {
        Painted += event->region();
        TTimeGrid::paintEvent(event);
    }
};

// A stand-in key: counts its repaints and records the mouse events it is sent.
class TProbe : public QWidget {
public:
    using QWidget::QWidget;
    int Paints = 0;
    QList<std::pair<QEvent::Type, QPoint>> Mouse;

protected:
    void paintEvent(QPaintEvent *) override { ++Paints; }
    void mousePressEvent(QMouseEvent *e) override {
        Mouse.append({e->type(), e->position().toPoint()});
    }
    void mouseReleaseEvent(QMouseEvent *e) override {
        Mouse.append({e->type(), e->position().toPoint()});
    }
};

void Read(TTimeGrid &grid, const TGridSettings &s, int length = TGridSettings::Size) {
    QBuffer buffer;
    buffer.setData(EncodeGridSettings(s).left(length));
    buffer.open(QIODevice::ReadOnly);
    grid.ReadSettings(&buffer);
}

QByteArray Written(const TTimeGrid &grid) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    grid.WriteSettings(&buffer);
    return buffer.data();
}

// A 634 x 266 grid of 10 x 6 cells (the main window's), keys in the cells `every` apart.
void Fill(TTimeGrid &grid, int every, QList<TProbe *> *keys = nullptr) {
    grid.resize(634, 266);
    grid.SetnCol(10);
    grid.SetnRow(6);
    for (int i = 0; i < 60; i += every) {
        auto *key = new TProbe(&grid);
        grid.PutCell(i % 10, i / 10, key);
        if (keys)
            keys->append(key);
    }
    grid.ArrangeCells();
}

} // namespace

class TestTimeGrid : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void defaults() {
        TTimeGrid grid;
        QCOMPARE(Written(grid), EncodeGridSettings(TGridSettings())); // the record's defaults
        QCOMPARE(grid.Color(), 0x00C0C0C0u);
        QCOMPARE(grid.ScanPhase() + grid.SavedPhase() + int(grid.SkipTick()), 0);
    }

    void cursorSetters_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::addColumn<QPoint>("cursor"); // starting from (3, 3) on 6 x 6
        QTest::newRow("iCol := nCol ignored") << "iCol" << 6 << QPoint(3, 3);
        QTest::newRow("iCol := -1 taken") << "iCol" << -1 << QPoint(-1, 3);
        QTest::newRow("iCol last column") << "iCol" << 5 << QPoint(5, 3);
        QTest::newRow("iRow := nRow ignored") << "iRow" << 6 << QPoint(3, 3);
        QTest::newRow("iRow := -1 taken") << "iRow" << -1 << QPoint(3, -1);
        QTest::newRow("iCol := -2^31 ignored") << "iCol" << INT_MIN << QPoint(3, 3);
        QTest::newRow("iRow := -2 ignored") << "iRow" << -2 << QPoint(3, 3);
        QTest::newRow("nCol resets the column") << "nCol" << 10 << QPoint(0, 3);
        QTest::newRow("nRow resets the row") << "nRow" << 2 << QPoint(3, 0);
    }
    void cursorSetters() {
        QFETCH(QString, property);
        QFETCH(int, value);
        QFETCH(QPoint, cursor);
        TTimeGrid grid;
        const QHash<QString, void (TTimeGrid::*)(int)> setters{
            {QStringLiteral("iCol"), &TTimeGrid::SetiCol},
            {QStringLiteral("iRow"), &TTimeGrid::SetiRow},
            {QStringLiteral("nCol"), &TTimeGrid::SetnCol},
            {QStringLiteral("nRow"), &TTimeGrid::SetnRow}};
        (grid.*setters.value(property))(value);
        QCOMPARE(QPoint(grid.iCol(), grid.iRow()), cursor);
    }

    void cellsFollowTheColumnCountAndOutliveNoKey() {
        TTimeGrid grid;
        QWidget a(&grid);
        auto b = std::make_unique<QWidget>(&grid);
        grid.SetnCol(10);
        grid.PutCell(3, 2, &a);
        grid.PutCell(1, 1, b.get());
        grid.SetnCol(5); // index 23 is now (3, 4)
        QCOMPARE(grid.GetCell(3, 4), &a);
        QCOMPARE(grid.GetCell(3, 2), nullptr);
        b.reset(); // a key destroyed in its cell leaves the cell empty
        QCOMPARE(grid.GetCell(1, 2), nullptr);
        grid.SetiCol(1);
        grid.SetiRow(2);
        grid.ArrangeCells();
        grid.ClickCell();
    }

    void arrangeCell_data() {
        QTest::addColumn<bool>("resizing");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QRect>("expected");
        const QRect untouched(7, 7, 20, 10);
        // The key sits in (1, 1): (63, 44) - (126, 88).
        QTest::newRow("stretched") << true << QPoint(1, 1) << QRect(68, 49, 53, 34);
        QTest::newRow("centred") << false << QPoint(1, 1) << QRect(84, 61, 20, 10);
        QTest::newRow("empty cell") << true << QPoint(2, 1) << untouched;
        QTest::newRow("column past the count, same slot") << true << QPoint(11, 0) << untouched;
        QTest::newRow("row past the count, same slot") << true << QPoint(-59, 7) << untouched;
    }
    void arrangeCell() {
        QFETCH(bool, resizing);
        QFETCH(QPoint, cell);
        QFETCH(QRect, expected);
        TTimeGrid grid;
        Fill(grid, 100);
        QWidget key(&grid);
        key.setGeometry(7, 7, 20, 10);
        grid.PutCell(1, 1, &key);
        grid.SetResizing(resizing);
        grid.ArrangeCell(cell.x(), cell.y());
        QCOMPARE(key.geometry(), expected);
    }

    // A damaged configuration may hold any counts and widths; the grid must stay usable.
    void absurdValuesStayCheap() {
        TTimeGrid grid;
        QWidget key(&grid);
        grid.SetnCol(10);
        grid.PutCell(5, 0, &key);
        for (int count : {INT_MAX, 0, -5}) {
            TGridSettings s;
            s.nCol = count;
            s.nRow = count;
            s.CursorWidth = INT_MAX;
            s.FocusWidth = -3;
            Read(grid, s);
            grid.ArrangeCells();
            QVERIFY(!grid.grab().isNull());
        }
    }

    void readSettings() {
        QWidget parent;
        TTimeGrid grid(&parent);
        TGridSettings s;
        s.Left = 10;
        s.Right = 650;
        s.Bottom = 280;
        s.iCol = 5; // the count setters put the cursor back to (0, 0)
        s.iRow = 3;
        s.nCol = 10;
        s.Resizing = false;
        s.SwCode1 = 65;
        s.SwTime = 750;
        s.FocusColor = 0xFF00000D;
        s.FocusWidth = 5;
        s.ScanModes = 0xF9; // bits above smStayOnCol mean nothing
        s.PointByMouse = true;
        Read(grid, s);
        QCOMPARE(grid.geometry(), QRect(10, 0, 640, 280));
        QCOMPARE(QPoint(grid.iCol(), grid.iRow()), QPoint(0, 0));
        QCOMPARE(grid.PenFocus(), (TGridPen{0xFF00000D, 5, Qt::SolidLine}));
        QCOMPARE(grid.ScanModes(), TScanModes(smShowX | smStayOnCol));
        s.iCol = s.iRow = 0;
        s.ScanModes = 0x09;
        QCOMPARE(Written(grid), EncodeGridSettings(s));

        s.Align = quint8(TGridAlign::alClient);
        parent.resize(650, 300);
        parent.show(); // hidden widgets get their resize events only when shown
        Read(grid, s);
        QCOMPARE(grid.geometry(), QRect(0, 0, 650, 300));
        parent.resize(700, 320);
        QCOMPARE(grid.geometry(), QRect(0, 0, 700, 320));
    }

    void damagedSettings_data() {
        QTest::addColumn<quint32>("code1");
        QTest::addColumn<quint32>("code2");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("message"); // empty: read succeeds
        QTest::addColumn<int>("applied"); // 0 nothing, 1 up to switch 1, 2 up to switch 2, 3 all
        QTest::newRow("switch 1 too big")
            << 65536u << 13u << 80 << ScanStrings::SwitchCodeRangeError(1, 65536) << 1;
        QTest::newRow("switch 2 too big")
            << 40u << 0xFFFFFFFFu << 80 << ScanStrings::SwitchCodeRangeError(2, 0xFFFFFFFF) << 2;
        QTest::newRow("largest codes fit") << 65535u << 65535u << 80 << QString() << 3;
        QTest::newRow("short record")
            << 40u << 41u << 79 << QString(ScanStrings::StreamReadError) << 0;
    }
    void damagedSettings() {
        QFETCH(quint32, code1);
        QFETCH(quint32, code2);
        QFETCH(int, length);
        QFETCH(QString, message);
        QFETCH(int, applied);
        TTimeGrid grid;
        TGridSettings s;
        s.Right = 500;
        s.nCol = 10;
        s.GridWidth = 3;
        s.SwCode1 = code1;
        s.SwCode2 = code2;
        s.SwTime = 900;
        QString caught;
        try {
            Read(grid, s, length);
        } catch (const TError &e) {
            caught = e.Message();
        }
        QCOMPARE(caught, message);
        // What comes before the failing field is applied, nothing after it.
        QCOMPARE(grid.width(), applied >= 1 ? 500 : 300);
        QCOMPARE(grid.nCol(), applied >= 1 ? 10 : 6);
        QCOMPARE(grid.PenGrid().Width, applied >= 1 ? 3 : 1);
        QCOMPARE(grid.SwCode1(), applied >= 2 ? quint16(code1) : quint16(32));
        QCOMPARE(grid.SwCode2(), applied >= 3 ? quint16(code2) : quint16(13));
        QCOMPARE(grid.SwTime(), applied >= 3 ? 900 : 500);
        grid.ReadSettings(nullptr);
        grid.WriteSettings(nullptr);
    }

    void switchCodeChange() {
        TTimeGrid grid;
        QList<QPair<quint16, quint16>> calls;
        grid.SetOnChangeSw1([&](TTimeGrid *sender, quint16 oldCode, quint16 &newCode) {
            QCOMPARE(sender, &grid);
            calls.append({oldCode, newCode});
            newCode = 65; // the handler has the last word
        });
        grid.SetSwCode1(32); // unchanged: no event
        grid.SetSwCode1(70);
        QCOMPARE(calls, (QList<QPair<quint16, quint16>>{{32, 70}}));
        QCOMPARE(grid.SwCode1(), quint16(65));
        grid.SetSwCode2(20); // no handler: just stored
        QCOMPARE(grid.SwCode2(), quint16(20));
    }

    // A scan step repaints the outlines it moves: never the whole grid, never a key.
    void stepRepaintsOnlyItsMarks_data() {
        QTest::addColumn<bool>("column"); // step iCol, else iRow
        QTest::addColumn<bool>("showX");
        QTest::newRow("cell step") << true << false;
        QTest::newRow("row step") << false << false;
        QTest::newRow("cell step, X cursor") << true << true;
        QTest::newRow("row step, X cursor") << false << true;
    }
    void stepRepaintsOnlyItsMarks() {
        QFETCH(bool, column);
        QFETCH(bool, showX);
        TRecordingGrid grid;
        QList<TProbe *> keys;
        Fill(grid, 1, &keys);
        grid.SetScanModes(showX ? TScanModes(smShowX) : TScanModes());
        grid.SetiCol(4);
        grid.SetiRow(2);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCoreApplication::processEvents();
        grid.Requested = grid.Painted = QRegion();
        for (TProbe *key : keys)
            key->Paints = 0;

        column ? grid.SetiCol(5) : grid.SetiRow(3);
        QCoreApplication::processEvents();

        const QRect oldCell = grid.CellRect(4, 2);
        const QRect newCell = column ? grid.CellRect(5, 2) : grid.CellRect(4, 3);
        QVERIFY(grid.Requested.contains(oldCell.topLeft()));
        QVERIFY(grid.Requested.contains(newCell.bottomRight() + QPoint(1, 1)));
        QCOMPARE(grid.Requested.contains(QPoint(633, grid.CellRect(0, 4).top())), !column);
        QCOMPARE(grid.Requested.contains(QPoint(oldCell.left(), 265)), column && showX);
        QVERIFY(!grid.Painted.isEmpty());
        QVERIFY((grid.Painted - grid.Requested).isEmpty());
        for (TProbe *key : keys) {
            QVERIFY(!grid.Requested.intersects(key->geometry()));
            QCOMPARE(key->Paints, 0);
        }
    }

    // After a run of steps the window shows exactly a fresh paint of the final state: the
    // partial repaints leave no stale marks and lose no grid lines.
    void stepsLeaveNoTrace_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("penWidth");
        QTest::newRow("cell sweep") << 0 << 0 << 4;
        QTest::newRow("row sweep") << 0 << 2 << 4;
        QTest::newRow("X cursor, pens wider than the key gap") << int(smShowX) << 1 << 12;
    }
    void stepsLeaveNoTrace() {
        QFETCH(int, modes);
        QFETCH(int, phase);
        QFETCH(int, penWidth);
        TTimeGrid grid;
        Fill(grid, 3);
        grid.SetPenCursor(TGridPen{0x0000FFFF, penWidth - 3, Qt::SolidLine});
        grid.SetPenFocus(TGridPen{0x000000FF, penWidth, Qt::SolidLine});
        grid.SetScanModes(TScanModes::fromInt(modes));
        grid.SetScanPhase(quint8(phase));
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        for (int i = 0; i < 23; ++i) {
            if (i % 4 == 3)
                grid.SetiRow(grid.iRow() + 1 < 6 ? grid.iRow() + 1 : 0);
            else
                grid.SetiCol(grid.iCol() + 1 < 10 ? grid.iCol() + 1 : 0);
            QCoreApplication::processEvents();
        }
        const QImage shown = grid.screen()->grabWindow(grid.winId()).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 grid.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void looks_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("expected");
        const QColor silver(0xC0, 0xC0, 0xC0), gray(0x80, 0x80, 0x80);
        const QColor yellow(Qt::yellow), red(Qt::red);
        // 300 x 300 in 3 x 3 cells, cursor on the middle cell (100, 100) - (200, 200).
        QTest::newRow("background") << 0 << 0 << QPoint(50, 50) << silver;
        QTest::newRow("grid line") << 0 << 0 << QPoint(200, 50) << gray;
        QTest::newRow("cursor row, top") << 0 << 0 << QPoint(50, 100) << yellow;
        QTest::newRow("cursor cell") << 0 << 0 << QPoint(150, 100) << red;
        QTest::newRow("cursor cell, cell stop") << 0 << 1 << QPoint(200, 150) << red;
        QTest::newRow("no cell in the row sweep") << 0 << 2 << QPoint(150, 100) << yellow;
        QTest::newRow("no column without X") << 0 << 0 << QPoint(100, 250) << gray;
        QTest::newRow("X: column") << int(smShowX) << 0 << QPoint(100, 250) << yellow;
        QTest::newRow("X: cell in the row sweep") << int(smShowX) << 2 << QPoint(150, 200) << red;
    }
    void looks() {
        QFETCH(int, modes);
        QFETCH(int, phase);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, expected);
        TTimeGrid grid;
        grid.SetnCol(3);
        grid.SetnRow(3);
        grid.SetiCol(1);
        grid.SetiRow(1);
        grid.SetScanModes(TScanModes::fromInt(modes));
        grid.SetScanPhase(quint8(phase));
        QCOMPARE(grid.grab().toImage().pixelColor(pixel), expected);
    }

    void paintFailureIsReportedOnce() {
        TScriptedPrompts prompts;
        TPrompts *old = SetPrompts(&prompts);
        TRecordingGrid grid;
        grid.FailRowFrame = true;
        grid.grab();
        grid.grab();
        QVERIFY(prompts.Shown.isEmpty()); // never from inside the paint
        QCoreApplication::sendPostedEvents();
        SetPrompts(old);
        QCOMPARE(prompts.Texts(), QStringList{ScanStrings::PaintError});
        QCOMPARE(prompts.Shown[0].Kind, TScriptedPrompts::kError);
    }

    void cursorKeyIsAnnounced() {
        TRecordingGrid grid;
        QWidget key(&grid);
        grid.SetnCol(3);
        grid.SetnRow(3);
        grid.PutCell(1, 0, &key);
        grid.SetiCol(1); // hidden (free layout): nothing to announce
        grid.SetiCol(0);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.SetiCol(1);
        grid.SetiRow(1); // an empty cell
        QCOMPARE(grid.Announced, QList<QWidget *>{&key});
    }

    void clickCell() {
        TTimeGrid grid;
        TProbe key(&grid);
        key.resize(41, 30);
        grid.PutCell(3, 3, &key);
        grid.ClickCell();
        using TEvent = std::pair<QEvent::Type, QPoint>;
        QCOMPARE(key.Mouse, (QList<TEvent>{{QEvent::MouseButtonPress, QPoint(20, 15)},
                                           {QEvent::MouseButtonRelease, QPoint(20, 15)}}));
        grid.SetiCol(0); // an empty cell
        grid.ClickCell();
        QCOMPARE(key.Mouse.size(), 2);

        QWidget window; // a click between the keys is the grid's own
        auto *surface = new TTimeGrid(&window);
        QSignalSpy clicks(surface, &TTimeGrid::OnClick);
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(clicks.size(), 1);
    }
};

QTEST_MAIN(TestTimeGrid)
#include "tst_TimeGrid.moc"
