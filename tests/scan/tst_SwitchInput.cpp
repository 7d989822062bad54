#include "Error.h"
#include "ScanStrings.h"
#include "SendingKeys.h"
#include "SwitchFilter.h"
#include "SwitchMouse.h"
#include "SwitchReceiver.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <memory>

namespace {

class TRecorder : public TSwitchReceiver {
public:
    QStringList Log;
    void SwitchDown(int code, qint32 time) override {
        Log << QStringLiteral("down %1 at %2").arg(code).arg(time);
    }
    void SwitchUp(int code, qint32 duration) override {
        Log << QStringLiteral("up %1 after %2").arg(code).arg(duration);
    }
    void SwitchCancel(int code) override { Log << QStringLiteral("cancel %1").arg(code); }
};

QStringList Held(int code, qint64 at, qint64 duration) {
    return {QStringLiteral("down %1 at %2").arg(code).arg(at),
            QStringLiteral("up %1 after %2").arg(code).arg(duration)};
}

// The key events a keyboard sends, auto-repeat flag and physical key included.
void Send(QWidget *to, QEvent::Type type, int key, bool repeat = false, quint32 scanCode = 0,
          quint64 stamp = 0) {
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent event(type, key, Qt::NoModifier, scanCode, 0, 0, text, repeat);
    event.setTimestamp(stamp);
    QApplication::sendEvent(to, &event);
}

// A shown window with keys in every cell of its grid.
struct TKeyboard {
    QWidget Window;
    TTimeGrid *Grid = new TTimeGrid(&Window);
    QList<TVxKey *> Keys;
    QList<int> Clicked;

    explicit TKeyboard(QSize cells) {
        Window.resize(300, 200);
        Grid->setGeometry(0, 0, 300, 200);
        Grid->SetnCol(cells.width());
        Grid->SetnRow(cells.height());
        for (int r = 0; r < cells.height(); ++r) {
            for (int c = 0; c < cells.width(); ++c) {
                auto *key = new TVxKey(Grid);
                Keys << key;
                Grid->PutCell(c, r, key);
                QObject::connect(key, &TVxKey::VxKClick, &Window,
                                 [this](TVxKey *sender) { Clicked << Keys.indexOf(sender); });
            }
        }
        Grid->ArrangeCells();
        Window.show();
    }
};

} // namespace

class TestSwitchInput : public QObject {
    Q_OBJECT

    QWidget FWindow;
    QLineEdit *FEdit = new QLineEdit(&FWindow);
    TSwitchFilter *FFilter = nullptr;
    TRecorder FRecorder;
    qint64 FNow = 0;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        FWindow.show();
        QVERIFY(QTest::qWaitForWindowActive(&FWindow));
        FEdit->setFocus();
    }

    void init() {
        FEdit->clear();
        FRecorder.Log.clear();
        FNow = 1000;
        SendingKeys = false;
        FFilter = new TSwitchFilter;
        FFilter->SetReceiver(&FRecorder);
        FFilter->SetClock([this] { return FNow; });
        FFilter->SetKeyHook(true);
    }

    void cleanup() {
        delete FFilter;
        FFilter = nullptr;
    }

    void keysThroughTheFilter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("watch1");
        QTest::addColumn<int>("watch2");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("log");
        const int none = Qt::NoModifier, keypad = Qt::KeypadModifier;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << 32 << 13 << ""
                               << Held(32, 1000, 250);
        QTest::newRow("Shift+Space") << int(Qt::Key_Space) << int(Qt::ShiftModifier) << 32 << 13
                                     << "" << Held(32, 1000, 250);
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << keypad << 32 << 13 << "" << Held(13, 1000, 250);
        QTest::newRow("letter passes")
            << int(Qt::Key_A) << none << 32 << 13 << "a" << QStringList();
        QTest::newRow("letter as a switch")
            << int(Qt::Key_A) << none << 65 << 13 << "" << Held(65, 1000, 250);
        QTest::newRow("F8 is no exception")
            << int(Qt::Key_F8) << none << 119 << 32 << "" << Held(119, 1000, 250);
        QTest::newRow("keypad 5 as a switch")
            << int(Qt::Key_5) << keypad << 0x65 << 13 << "" << Held(0x65, 1000, 250);
    }
    void keysThroughTheFilter() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, watch1);
        QFETCH(int, watch2);
        FFilter->SetSwitchKeys(watch1, watch2);
        const auto mods = Qt::KeyboardModifiers::fromInt(modifiers);
        QTest::keyPress(FEdit, Qt::Key(key), mods);
        FNow += 250;
        QTest::keyRelease(FEdit, Qt::Key(key), mods);
        QTEST(FEdit->text(), "typed");
        QTEST(FRecorder.Log, "log");
    }

    // One press and one release for a held switch, timed from the first press, whichever way
    // the system repeats the key.
    void heldSwitch_data() {
        QTest::addColumn<bool>("releasePressPairs");
        QTest::addColumn<bool>("markedAsRepeats");
        QTest::newRow("repeated presses") << false << true;
        QTest::newRow("repeated release and press pairs") << true << true;
        // X11 with detectable key repeat: the toolkit cannot tell them from new presses.
        QTest::newRow("presses without releases, unmarked") << false << false;
    }
    void heldSwitch() {
        QFETCH(bool, releasePressPairs);
        QFETCH(bool, markedAsRepeats);
        Send(FEdit, QEvent::KeyPress, Qt::Key_Space);
        for (int i = 0; i < 40; ++i) {
            FNow += 60;
            if (releasePressPairs)
                Send(FEdit, QEvent::KeyRelease, Qt::Key_Space, true);
            Send(FEdit, QEvent::KeyPress, Qt::Key_Space, markedAsRepeats);
        }
        FNow = 3400;
        Send(FEdit, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(FRecorder.Log, Held(32, 1000, 2400));
        QCOMPARE(FEdit->text(), QString());
    }

    // A release that went to another window leaves the switch down here; a press long after
    // is a new one, not the key repeating.
    void pressAfterLostRelease() {
        Send(FEdit, QEvent::KeyPress, Qt::Key_Space);
        FNow += TSwitchFilter::MaxRepeatGap + 1;
        Send(FEdit, QEvent::KeyPress, Qt::Key_Space);
        const qint64 second = FNow;
        FNow += 200;
        Send(FEdit, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(FRecorder.Log, QStringList(Held(32, 1000, 0).first()) + Held(32, second, 200));
    }

    void holdTime_data() {
        QTest::addColumn<qint64>("pressed");
        QTest::addColumn<qint64>("released");
        QTest::addColumn<quint64>("pressStamp"); // the window system's event times; 0: none
        QTest::addColumn<quint64>("releaseStamp");
        QTest::addColumn<int>("hold");
        QTest::newRow("plain") << qint64(1000) << qint64(1250) << quint64(0) << quint64(0) << 250;
        QTest::newRow("a minute") << qint64(10000) << qint64(70000) << quint64(0) << quint64(0)
                                  << 60000;
        QTest::newRow("across midnight")
            << qint64(86399900) << qint64(150) << quint64(0) << quint64(0) << 250;
        QTest::newRow("past 65535 ms stays long")
            << qint64(0) << qint64(70000) << quint64(0) << quint64(0) << 65535;
        // A short press whose release the busy program handled late stays short.
        QTest::newRow("event times win")
            << qint64(1000) << qint64(1900) << quint64(5000) << quint64(5120) << 120;
        QTest::newRow("event clock wraps")
            << qint64(1000) << qint64(1200) << quint64(0xFFFFFFF0) << quint64(0x50) << 0x60;
        QTest::newRow("release without a time")
            << qint64(1000) << qint64(1300) << quint64(5000) << quint64(0) << 300;
    }
    void holdTime() {
        QFETCH(qint64, pressed);
        QFETCH(qint64, released);
        QFETCH(quint64, pressStamp);
        QFETCH(quint64, releaseStamp);
        QFETCH(int, hold);
        FNow = pressed;
        Send(FEdit, QEvent::KeyPress, Qt::Key_Space, false, 0, pressStamp);
        FNow = released;
        Send(FEdit, QEvent::KeyRelease, Qt::Key_Space, false, 0, releaseStamp);
        QCOMPARE(FRecorder.Log, Held(32, pressed, hold));
    }

    // Presses as "down@up" times of switch 1 (Space), in ms; what the receiver hears of them
    // with an acceptance time and an ignore time after an accepted press.
    void filtering_data() {
        QTest::addColumn<int>("accept");
        QTest::addColumn<int>("ignore");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QStringList>("log");
        const auto up = [](int at, int after) {
            return QStringList{QStringLiteral("down 32 at %1").arg(at),
                               QStringLiteral("up 32 after %1").arg(after)};
        };
        const auto cancelled = [](int at) {
            return QStringList{QStringLiteral("down 32 at %1").arg(at),
                               QStringLiteral("cancel 32")};
        };
        QTest::newRow("off: every press counts") << 0 << 0 << "1000@1030" << up(1000, 30);
        QTest::newRow("shorter than acceptance") << 300 << 0 << "1000@1299" << cancelled(1000);
        QTest::newRow("held exactly the acceptance") << 300 << 0 << "1000@1300" << up(1000, 0);
        QTest::newRow("hold reported past acceptance") << 300 << 0 << "1000@1750" << up(1000, 450);
        QTest::newRow("tremor taps then a real press")
            << 300 << 0 << "1000@1040 1100@1150 1200@1600"
            << cancelled(1000) + cancelled(1100) + up(1200, 100);
        QTest::newRow("bounce after release ignored")
            << 0 << 200 << "1000@1100 1150@1160 1250@1500" << up(1000, 100);
        QTest::newRow("press after the ignore time counts")
            << 0 << 200 << "1000@1100 1300@1400" << up(1000, 100) + up(1300, 100);
        QTest::newRow("long bounce ignored whole")
            << 0 << 200 << "1000@1100 1199@2500" << up(1000, 100);
        QTest::newRow("cancelled press starts no ignore time")
            << 300 << 500 << "1000@1100 1200@1600" << cancelled(1000) + up(1200, 100);
        QTest::newRow("ignore time across midnight")
            << 0 << 200 << "86399900@86399950 50@60" << up(86399900, 50);
    }
    void filtering() {
        QFETCH(int, accept);
        QFETCH(int, ignore);
        QFETCH(QString, presses);
        FFilter->SetAcceptTime(accept);
        FFilter->SetIgnoreAfter(ignore);
        for (const QString &press : presses.split(QLatin1Char(' '))) {
            FNow = press.section(QLatin1Char('@'), 0, 0).toLongLong();
            Send(FEdit, QEvent::KeyPress, Qt::Key_Space);
            FNow = press.section(QLatin1Char('@'), 1, 1).toLongLong();
            Send(FEdit, QEvent::KeyRelease, Qt::Key_Space);
        }
        QTEST(FRecorder.Log, "log");
        QCOMPARE(FEdit->text(), QString());
    }

    // A long press is longer than both the long-press time and the acceptance time, even when
    // the acceptance time is the longer one: the grid (SwTime 500) sees the hold past it.
    void longPressPastAcceptance_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("phase");
        QTest::newRow("accepted, short: row sweep to cells") << 900 << 0;
        QTest::newRow("just below long") << 1299 << 0;
        QTest::newRow("long: toggles like switch 2") << 1300 << 0;
    }
    void longPressPastAcceptance() {
        QFETCH(int, held);
        TKeyboard board(QSize(3, 3));
        board.Grid->SetSwTime(500);
        board.Grid->SetScanPhase(2);
        FFilter->SetAcceptTime(800);
        FFilter->SetReceiver(board.Grid);
        FNow = 1000;
        Send(FEdit, QEvent::KeyPress, Qt::Key_Space);
        FNow += held;
        Send(FEdit, QEvent::KeyRelease, Qt::Key_Space);
        // Short presses in the row sweep start the cells; long ones toggle to them too, but
        // only a short one would have selected in the cell sweep: check that from there.
        QTEST(int(board.Grid->ScanPhase()), "phase");
        FNow += 5000;
        Send(FEdit, QEvent::KeyPress, Qt::Key_Space);
        FNow += held;
        Send(FEdit, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(board.Clicked.size(), held < 1300 ? 1 : 0);
    }

    void sendingKeysPassUntouched() {
        {
            TSendingKeys sending;
            QTest::keyClick(FEdit, Qt::Key_Space);
            QTest::keyClick(FEdit, Qt::Key_Return);
        }
        QCOMPARE(FEdit->text(), QStringLiteral(" "));
        QVERIFY(FRecorder.Log.isEmpty());
        QTest::keyClick(FEdit, Qt::Key_Space);
        QCOMPARE(FEdit->text(), QStringLiteral(" "));
        QCOMPARE(FRecorder.Log.size(), 2);
    }

    void onlyWhileInstalled() {
        FFilter->SetKeyHook(false);
        QTest::keyClick(FEdit, Qt::Key_Space);
        QVERIFY(FRecorder.Log.isEmpty());
        // Pressed while removed, released once installed: no release without its press.
        QTest::keyPress(FEdit, Qt::Key_Space);
        FFilter->SetKeyHook(true);
        QTest::keyRelease(FEdit, Qt::Key_Space);
        QVERIFY(FRecorder.Log.isEmpty());
        // Held while removed and put back: the whole hold counts.
        QTest::keyPress(FEdit, Qt::Key_Space);
        FFilter->SetKeyHook(false);
        FFilter->SetKeyHook(true);
        FNow += 400;
        QTest::keyRelease(FEdit, Qt::Key_Space);
        QCOMPARE(FRecorder.Log, Held(32, 1000, 400));
        QCOMPARE(FEdit->text(), QStringLiteral("  "));
        delete FFilter; // gone means removed
        FFilter = nullptr;
        QTest::keyClick(FEdit, Qt::Key_Space);
        QCOMPARE(FEdit->text(), QStringLiteral("   "));
    }

    // A switch key that is also a shortcut still reaches the filter, and the shortcut stays
    // quiet.
    void shortcutsStayQuiet_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("Space") << int(Qt::Key_Space) << 32;
        QTest::newRow("F5") << int(Qt::Key_F5) << 0x74;
    }
    void shortcutsStayQuiet() {
        QFETCH(int, key);
        QFETCH(int, code);
        FFilter->SetSwitchKeys(code, 13);
        QWidget window;
        auto *target = new QWidget(&window);
        target->setFocusPolicy(Qt::StrongFocus);
        int fired = 0;
        QShortcut shortcut(QKeySequence(key), &window);
        connect(&shortcut, &QShortcut::activated, &window, [&fired] { ++fired; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        target->setFocus();
        FFilter->SetKeyHook(false);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(fired, 1); // the shortcut works without the filter
        FFilter->SetKeyHook(true);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(fired, 1);
        QCOMPARE(FRecorder.Log, Held(code, 1000, 0));
        FEdit->activateWindow();
        FEdit->setFocus();
    }

    // Once a press is taken, its release is taken too.
    void takenPressKeepsItsRelease_data() {
        QTest::addColumn<int>("pressKey");
        QTest::addColumn<int>("releaseKey");
        QTest::addColumn<bool>("switchChanged");
        QTest::addColumn<int>("code");
        // With Shift pressed meanwhile, the '1' key comes up as '!'.
        QTest::newRow("shifted release") << int(Qt::Key_1) << int(Qt::Key_Exclam) << false << 0x31;
        QTest::newRow("switch changed while held")
            << int(Qt::Key_Space) << int(Qt::Key_Space) << true << 32;
    }
    void takenPressKeepsItsRelease() {
        QFETCH(int, pressKey);
        QFETCH(int, releaseKey);
        QFETCH(bool, switchChanged);
        QFETCH(int, code);
        FFilter->SetSwitchKeys(code, 13);
        Send(FEdit, QEvent::KeyPress, pressKey, false, 10);
        if (switchChanged)
            FFilter->SetSwitchKeys(65, 13);
        FNow += 250;
        Send(FEdit, QEvent::KeyRelease, releaseKey, false, 10);
        QCOMPARE(FRecorder.Log, Held(code, 1000, 250));
        // A key that is not watched passes again.
        Send(FEdit, QEvent::KeyPress, Qt::Key_Space);
        QCOMPARE(FEdit->text(), QStringLiteral(" "));
        QCOMPARE(FRecorder.Log.size(), 2);
    }

    void gridSwitchCodes_data() {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("handler"); // 0 none, 1 sets the filter's keys, 2 answers 66
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("code");
        QTest::addColumn<QPoint>("codes");   // SwCode1, SwCode2 afterwards
        QTest::addColumn<QPoint>("watched"); // the filter's keys afterwards
        QTest::addColumn<QString>("error");
        const QPoint defaults(32, 13);
        QTest::newRow("no handler: keys follow")
            << true << 0 << 1 << 65 << QPoint(65, 13) << QPoint(65, 13) << QString();
        QTest::newRow("handler sets the keys")
            << true << 1 << 1 << 70 << QPoint(70, 13) << QPoint(70, 13) << QString();
        QTest::newRow("handler answers another code")
            << true << 2 << 1 << 70 << QPoint(66, 13) << QPoint(66, 13) << QString();
        QTest::newRow("256 refused") << true << 0 << 1 << 256 << defaults << defaults
                                     << ScanStrings::WatchedKeyRangeError(256);
        QTest::newRow("refused before the handler") << true << 1 << 2 << 300 << defaults << defaults
                                                    << ScanStrings::WatchedKeyRangeError(300);
        QTest::newRow("no filter, any code")
            << false << 0 << 1 << 300 << QPoint(300, 13) << defaults << QString();
    }
    void gridSwitchCodes() {
        QFETCH(bool, filter);
        QFETCH(int, handler);
        QFETCH(int, which);
        QFETCH(int, code);
        QFETCH(QPoint, codes);
        QFETCH(QPoint, watched);
        TTimeGrid grid;
        if (filter)
            grid.SetSwitchFilter(FFilter);
        int calls = 0;
        const auto change = [&](TTimeGrid *sender, quint16 oldCode, quint16 &newCode) {
            ++calls;
            if (handler == 2)
                newCode = 66;
            else if (oldCode != newCode) // as the main window's ChangeSwitch does
                FFilter->SetSwitchKeys(sender->SwCode1(), sender->SwCode2());
        };
        if (handler) {
            grid.SetOnChangeSw1(change);
            grid.SetOnChangeSw2(change);
        }
        QString error;
        try {
            which == 1 ? grid.SetSwCode1(quint16(code)) : grid.SetSwCode2(quint16(code));
        } catch (const TError &e) {
            error = e.Message();
        }
        QTEST(error, "error");
        QCOMPARE(QPoint(grid.SwCode1(), grid.SwCode2()), codes);
        QCOMPARE(FFilter->WatchedKeys(), TWatchedKeys::FromCodes(watched.x(), watched.y()));
        QCOMPARE(calls, error.isEmpty() && handler ? 1 : 0);
    }

    // Filter, grid and key together: a switch release selects the key under the cursor.
    void filterDrivesTheGrid_data() {
        QTest::addColumn<QSize>("cells");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("hold");
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<int>("phaseAfter");
        const QSize grid(3, 2);
        QTest::newRow("short 1 in the cells selects")
            << grid << 0 << int(Qt::Key_Space) << 120 << QList<int>{1} << 2;
        QTest::newRow("1 held SwTime toggles")
            << grid << 0 << int(Qt::Key_Space) << 500 << QList<int>() << 2;
        QTest::newRow("short 1 in the rows starts cells")
            << grid << 2 << int(Qt::Key_Space) << 120 << QList<int>() << 0;
        QTest::newRow("one cell: any release selects")
            << QSize(1, 1) << 0 << int(Qt::Key_Return) << 80 << QList<int>{0} << 3;
    }
    void filterDrivesTheGrid() {
        QFETCH(QSize, cells);
        QFETCH(int, phase);
        QFETCH(int, key);
        QFETCH(int, hold);
        TKeyboard keyboard(cells);
        QVERIFY(QTest::qWaitForWindowExposed(&keyboard.Window));
        FFilter->SetReceiver(keyboard.Grid);
        keyboard.Grid->SetiCol(1);
        keyboard.Grid->SetScanPhase(quint8(phase));
        QSignalSpy switches(keyboard.Grid, &TTimeGrid::OnSwitch);
        QTest::keyPress(keyboard.Grid, Qt::Key(key));
        QCOMPARE(keyboard.Grid->ScanPhase(), quint8(3));
        FNow += hold;
        QTest::keyRelease(keyboard.Grid, Qt::Key(key));
        QTEST(keyboard.Clicked, "clicked");
        QTEST(int(keyboard.Grid->ScanPhase()), "phaseAfter");
        QCOMPARE(switches.size(), 1);
        QCOMPARE(switches[0][1].toInt(), hold);
    }

    // A screen reader finds the keys in a named group and hears the scan cursor as the focus:
    // exactly the key under it is focused, on every step and on no other key.
    void scanCursorIsTheFocusedKey() {
        QWidget panel;
        panel.resize(300, 200);
        auto *grid = new TTimeGrid(&panel);
        grid->SetAlign(TGridAlign::alClient);
        grid->SetnCol(3);
        grid->SetnRow(2);
        QList<TVxKey *> keys;
        for (int i = 0; i < 4; ++i) {
            keys.append(new TVxKey(grid));
            keys.last()->SetText(QString(QChar(u'a' + i)));
            grid->PutCell(i % 3, i / 3, keys.last());
        }
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(grid);
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), ScanStrings::GridName);
        const auto focused = [&keys] {
            QStringList names;
            for (TVxKey *key : std::as_const(keys)) {
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(key);
                if (iface->state().focused)
                    names << iface->text(QAccessible::Name);
            }
            return names.join(QLatin1Char(','));
        };
        QCOMPARE(focused(), QString()); // hidden: the grid is no cursor
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        grid->StartScan();
        QCOMPARE(focused(), QStringLiteral("a"));
        QStringList steps;
        for (int i = 0; i < 4; ++i) {
            grid->ScanTick();
            steps << focused();
        }
        QCOMPARE(steps, QStringList({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a"),
                                     QStringLiteral("b")}));
        grid->SetiCol(0);
        grid->SetiRow(1);
        QCOMPARE(focused(), QStringLiteral("d"));
        QCOMPARE(group->focusChild(), QAccessible::queryAccessibleInterface(keys[3]));
        grid->SetiCol(2); // an empty cell
        QCOMPARE(focused(), QString());
        keys[0]->SetActive(true); // the active key is focused wherever it is
        QCOMPARE(focused(), QStringLiteral("a"));
    }

    // Free layout: the pointer goes to the active key's corner and a click there works it.
    void freeLayoutPointer() {
        QWidget panel;
        panel.resize(300, 200);
        auto *key = new TVxKey(&panel);
        key->setGeometry(20, 30, 80, 40);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy clicks(key, &TVxKey::VxKClick);
        SwitchMouse::PointToCorner(key);
        QCOMPARE(QCursor::pos(), panel.mapToGlobal(QPoint(100, 70)));
        SwitchMouse::FeedLeftClickAtPointer(key);
        QCOMPARE(clicks.size(), 1);
    }
};

QTEST_MAIN(TestSwitchInput)
#include "tst_SwitchInput.moc"
