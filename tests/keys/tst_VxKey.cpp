#include "ColorMap.h"
#include "KeyTestSupport.h"
#include "VxKey.h"
#include "VxKeyAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

// One VxKClick as a receiver saw it, with the font copied while the pointer was valid.
struct TClick {
    int Code = -1;
    QString Text;
    QString TextSh;
    bool HasFont = false;
    TKeyFont Font;
};

QColor Rgb(std::uint32_t stored) {
    return QColor(int(stored & 0xFF), int((stored >> 8) & 0xFF), int((stored >> 16) & 0xFF));
}

bool Near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestVxKey : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> FWindow;
    TVxKey *FKey = nullptr;
    QList<TClick> FClicks;
    QList<TVxKey *> FDrags;

    void Connect(TVxKey *key) {
        connect(key, &TVxKey::VxKClick, this,
                [this](TVxKey *, int code, const QString &text, const QString &textSh,
                       const TKeyFont *font) {
                    TClick click;
                    click.Code = code;
                    click.Text = text;
                    click.TextSh = textSh;
                    click.HasFont = font != nullptr;
                    if (font)
                        click.Font = *font;
                    FClicks.append(click);
                });
        connect(key, &TVxKey::StartDrag, this, [this](TVxKey *key) { FDrags.append(key); });
    }

    QImage Grab() { return FKey->grab().toImage(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        FWindow = std::make_unique<QWidget>();
        FWindow->resize(300, 300);
        FKey = new TVxKey(FWindow.get());
        FKey->move(50, 50);
        Connect(FKey);
        FClicks.clear();
        FDrags.clear();
        FWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
    }
    void cleanup() {
        FWindow.reset();
        FKey = nullptr;
    }

    // What the plain record does not show (its bytes pin the other defaults).
    void defaults() {
        TVxKey key;
        QCOMPARE(key.font().pixelSize(), 16);
        QCOMPARE(key.Color(), 0xFFFFFFu); // SpecialKey None gives the normal key colour
        QCOMPARE(key.BrushColor(), 0xC0C0C0u);
        QCOMPARE(key.Aspect(), 0.0);
        QVERIFY(key.Symbol().IsEmpty());
        QCOMPARE(key.TabOrder(), -1);
    }

    void frameWidthsFixedByConstructor_data() {
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("activeAfter");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("both zero") << 0 << 0 << 3 << 1;
        QTest::newRow("negative active") << -4 << 7 << 3 << 7;
        QTest::newRow("positive kept") << 5 << 2 << 5 << 2;
    }
    void frameWidthsFixedByConstructor() {
        QFETCH(int, active);
        QFETCH(int, selected);
        TVxKey::ActiveFrameWidth = active;
        TVxKey::SelectedFrameWidth = selected;
        TVxKey key;
        QTEST(TVxKey::ActiveFrameWidth, "activeAfter");
        QTEST(TVxKey::SelectedFrameWidth, "selectedAfter");
        TVxKey::ActiveFrameWidth = 3;
        TVxKey::SelectedFrameWidth = 1;
    }

    void specialKeyColoursTheFace() {
        FKey->SetSpecKeyColor(0x00FF00);
        for (int i = 0; i < SpecialKeyCount; ++i) {
            const auto kind = TSpecialKey(i);
            FKey->SetSpecialKey(kind);
            QCOMPARE(FKey->SpecialCode(), int(SpecialCodes[std::size_t(i)]));
            QCOMPARE(FKey->Color(), kind == TSpecialKey::None ? 0xFFFFFFu : 0x00FF00u);
        }
        FKey->SetSpecialCode(77); // stored, never read back over the table
        QCOMPARE(FKey->SpecialCode(), 253);
    }

    void assignCopiesAppearanceOnly() {
        TVxKey source;
        TKeyFont font;
        font.Height = -30;
        source.SetFont(font);
        source.SetBorderWidth(9);
        source.SetColorFocused(1);
        source.SetColorSelected(2);
        source.SetSpecKeyColor(3);
        source.SetNormKeyColor(4);
        source.SetActive(true);
        source.SetBrushColor(5);
        source.resize(70, 40);
        source.move(10, 10);
        source.SetStatus(vxoEdit);
        source.SetAspect(1.5);
        source.SetText(QStringLiteral("src"));
        source.SetSpecialKey(TSpecialKey::Talk);
        source.SetWavName(QStringLiteral("a.wav"));

        QObject notAKey;
        FKey->Assign(&notAKey);
        QCOMPARE(FKey->BorderWidth(), 5);

        FKey->Assign(&source);
        QCOMPARE(FKey->Font().Height, -30);
        QCOMPARE(FKey->BorderWidth(), 9);
        QCOMPARE(FKey->ColorFocused(), 1u);
        QCOMPARE(FKey->ColorSelected(), 2u);
        QCOMPARE(FKey->SpecKeyColor(), 3u);
        QCOMPARE(FKey->NormKeyColor(), 4u);
        QVERIFY(FKey->Active());
        QCOMPARE(FKey->Color(), 3u);
        QCOMPARE(FKey->BrushColor(), 5u);
        QCOMPARE(FKey->size(), QSize(70, 40));
        QCOMPARE(FKey->pos(), QPoint(50, 50));
        QCOMPARE(FKey->Status(), TVxKeyStatus(vxoEdit));
        QCOMPARE(FKey->Aspect(), 1.5);
        QCOMPARE(FKey->Text(), QStringLiteral("VxKey"));
        QCOMPARE(FKey->SpecialKey(), TSpecialKey::None);
        QCOMPARE(FKey->WavName(), QString());
    }

    void assignKeyCopiesEverythingButPosition() {
        QMenu menu;
        TVxKey source;
        source.SetText(QStringLiteral("src"));
        source.SetTextSh(QStringLiteral("SRC"));
        source.SetWavName(QStringLiteral("a.wav"));
        source.SetKbdName(QStringLiteral("b.kbt"));
        source.SetSpecKeyColor(0x123456);
        source.SetSpecialKey(TSpecialKey::Other);
        source.SetPopupMenu(&menu);
        source.SetStatus(vxo3Deffect);
        source.move(5, 5);

        FKey->AssignKey(nullptr);
        QCOMPARE(FKey->Text(), QStringLiteral("VxKey"));

        FKey->AssignKey(&source);
        QCOMPARE(FKey->Text(), QStringLiteral("src"));
        QCOMPARE(FKey->TextSh(), QStringLiteral("SRC"));
        QCOMPARE(FKey->WavName(), QStringLiteral("a.wav"));
        QCOMPARE(FKey->KbdName(), QStringLiteral("b.kbt"));
        QCOMPARE(FKey->SpecialKey(), TSpecialKey::Other);
        QCOMPARE(FKey->Color(), 0x123456u);
        QCOMPARE(FKey->PopupMenu(), &menu);
        QCOMPARE(FKey->Status(), TVxKeyStatus(vxo3Deffect));
        QCOMPARE(FKey->pos(), QPoint(50, 50));
    }

    void clicks_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("textSh");
        QTest::addColumn<bool>("hasFont");
        QTest::addColumn<int>("drags");
        const int normal = int(vxo3Deffect | vxoSendClick);
        const int left = Qt::LeftButton;
        const QString vx = QStringLiteral("VxKey");
        const QString sh = QStringLiteral("SH");
        const QString none;
        const auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };
        const int plain = int(TSpecialKey::None);

        row("text key") << plain << normal << left << 0 << 1 << 0 << vx << sh << true << 0;
        row("Sound sends texts and font")
            << int(TSpecialKey::Sound) << normal << left << 0 << 1 << 254 << vx << sh << true << 0;
        row("Other sends the table name")
            << int(TSpecialKey::Other) << normal << left << 0 << 1 << 253
            << QStringLiteral("next.kbt") << none << false << 0;
        row("Talk sends the code") << int(TSpecialKey::Talk) << normal << left << 0 << 1 << 255
                                   << QStringLiteral("255") << none << false << 0;
        row("Space sends the code") << int(TSpecialKey::Space) << normal << left << 0 << 1 << 32
                                    << QStringLiteral("32") << none << false << 0;
        row("Alt does not stop a click")
            << plain << normal << left << int(Qt::AltModifier) << 1 << 0 << vx << sh << true << 0;
        row("without the 3D effect")
            << plain << int(vxoSendClick) << left << 0 << 1 << 0 << vx << sh << true << 0;
        row("Shift drags instead") << plain << normal << left << int(Qt::ShiftModifier) << 0 << -1
                                   << none << none << false << 1;
        row("Ctrl neither fires nor drags") << plain << normal << left << int(Qt::ControlModifier)
                                            << 0 << -1 << none << none << false << 0;
        row("Shift with Ctrl neither fires nor drags")
            << plain << normal << left << int(Qt::ShiftModifier | Qt::ControlModifier) << 0 << -1
            << none << none << false << 0;
        row("right button never fires") << plain << normal << int(Qt::RightButton) << 0 << 0 << -1
                                        << none << none << false << 0;
        row("edit key never fires") << plain << int(vxoEdit | vxo3Deffect | vxoSendClick) << left
                                    << 0 << 0 << -1 << none << none << false << 0;
        row("edit key cannot be dragged")
            << plain << int(vxoEdit | vxo3Deffect | vxoSendClick) << left << int(Qt::ShiftModifier)
            << 0 << -1 << none << none << false << 0;
        row("without vxoSendClick")
            << plain << int(vxo3Deffect) << left << 0 << 0 << -1 << none << none << false << 0;
    }
    void clicks() {
        QFETCH(int, kind);
        QFETCH(int, status);
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(int, clicks);
        FKey->SetTextSh(QStringLiteral("SH"));
        FKey->SetKbdName(QStringLiteral("next.kbt"));
        FKey->SetSpecialKey(TSpecialKey(kind));
        FKey->SetStatus(TVxKeyStatus(status));
        QTest::mouseClick(FKey, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(FClicks.size(), clicks);
        QTEST(int(FDrags.size()), "drags");
        if (clicks == 0)
            return;
        const TClick &click = FClicks.first();
        QTEST(click.Code, "code");
        QTEST(click.Text, "text");
        QTEST(click.TextSh, "textSh");
        QTEST(click.HasFont, "hasFont");
        if (click.HasFont)
            QCOMPARE(click.Font, FKey->Font());
    }

    void releaseAfterSlidingOffStillFires() {
        QTest::mousePress(FKey, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseMove(FKey, QPoint(180, 180));
        QTest::mouseRelease(FKey, Qt::LeftButton, {}, QPoint(180, 180));
        QCOMPARE(FClicks.size(), 1);
    }

    void receiverMayDestroyTheKey() {
        // Loading another table from a key's click destroys every key, the sender included.
        QPointer<TVxKey> key = FKey;
        connect(FKey, &TVxKey::VxKClick, this, [](TVxKey *sender) { delete sender; });
        QTest::mouseClick(FKey, Qt::LeftButton);
        QVERIFY(!key);
        QCOMPARE(FClicks.size(), 1);
    }

    void dragEndsWithTheRelease() {
        QTest::mousePress(FKey, Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(FKey->Dragging());
        QCOMPARE(FDrags, QList<TVxKey *>{FKey});
        QTest::mouseRelease(FKey, Qt::LeftButton);
        QVERIFY(!FKey->Dragging());
        QCOMPARE(FClicks.size(), 0); // the release that ends a drag is no click
        QTest::mouseClick(FKey, Qt::LeftButton);
        QCOMPARE(FClicks.size(), 1);
    }

    void dragSwallowedElsewhereDoesNotBlockTheNextClick() {
        // A drag loop may eat the release; the next press must not count as still dragging.
        QTest::mousePress(FKey, Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(FKey->Dragging());
        QTest::mouseClick(FKey, Qt::LeftButton);
        QCOMPARE(FClicks.size(), 1);
        QTest::mousePress(FKey, Qt::LeftButton, Qt::ShiftModifier);
        FKey->EndDrag();
        QVERIFY(!FKey->Dragging());
    }

    void mouseDownReportsButtonAndModifiers() {
        QSignalSpy down(FKey, &TVxKey::MouseDown);
        QTest::mouseClick(FKey, Qt::LeftButton, Qt::ControlModifier);
        QTest::mouseClick(FKey, Qt::RightButton);
        QCOMPARE(down.size(), 2);
        QCOMPARE(down[0][1].value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(down[0][2].value<Qt::KeyboardModifiers>(),
                 Qt::KeyboardModifiers(Qt::ControlModifier));
        QCOMPARE(down[1][1].value<Qt::MouseButton>(), Qt::RightButton);
    }

    void pressedLook_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("pressed");
        QTest::newRow("3D key") << int(vxo3Deffect | vxoSendClick) << 0 << 1;
        QTest::newRow("Shift held")
            << int(vxo3Deffect | vxoSendClick) << int(Qt::ShiftModifier) << 0;
        QTest::newRow("Ctrl held")
            << int(vxo3Deffect | vxoSendClick) << int(Qt::ControlModifier) << 0;
        QTest::newRow("flat key") << int(vxoSendClick) << 0 << 0;
    }
    void pressedLook() {
        QFETCH(int, status);
        QFETCH(int, modifiers);
        QFETCH(int, pressed);
        FKey->SetStatus(TVxKeyStatus(status));
        const TKeyRect up = FKey->SymbolRect();
        QCOMPARE(up.Left, 5);
        QTest::mousePress(FKey, Qt::LeftButton, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(FKey->PressedOffset(), pressed);
        QCOMPARE(FKey->SymbolRect(), (TKeyRect{up.Left + pressed, up.Top + pressed,
                                               up.Right + pressed, up.Bottom + pressed}));
        QTest::mouseRelease(FKey, Qt::LeftButton, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(FKey->PressedOffset(), 0);
    }

    void layoutFollowsFontMetrics() {
        const int th = QFontMetrics(FKey->font()).height();
        QCOMPARE(FKey->SymbolRect(), (TKeyRect{5, 5, 95, 100 - th - 10}));
        FKey->SetText(QString()); // an empty text still keeps its line
        QCOMPARE(FKey->SymbolRect(), (TKeyRect{5, 5, 95, 100 - th - 10}));
    }

    void resizeRaisesResized() {
        QSignalSpy resized(FKey, &TVxKey::Resized);
        FKey->resize(120, 80);
        QCOMPARE(resized.size(), 1);
        QCOMPARE(resized[0][0].value<TVxKey *>(), FKey);
        QCOMPARE(FKey->SymbolRect().Right, 115);
    }

    void contextMenu() {
        QMenu menu;
        menu.addAction(QStringLiteral("item"));
        FKey->SetPopupMenu(&menu);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                FKey->mapToGlobal(QPoint(5, 5)));
        // Nobody decides: the key shows its own menu.
        QApplication::sendEvent(FKey, &event);
        QVERIFY(menu.isVisible());
        menu.hide();
        // The window decides (the key menu only in edit mode): the key only asks.
        QSignalSpy requested(FKey, &TVxKey::ContextMenuRequested);
        QApplication::sendEvent(FKey, &event);
        QCOMPARE(requested.size(), 1);
        QVERIFY(!menu.isVisible());
    }

    void paintsFaceAndEdge() {
        const QPalette pal = FKey->palette();
        QImage raised = Grab();
        QCOMPARE(raised.pixel(10, 50), QColor(Qt::white).rgb());
        QCOMPARE(raised.pixel(0, 0), QColor(pal.color(QPalette::Midlight)).rgb());
        QCOMPARE(raised.pixel(99, 99), QColor(pal.color(QPalette::Shadow)).rgb());

        QTest::mousePress(FKey, Qt::LeftButton);
        const QImage sunk = Grab();
        QCOMPARE(sunk.pixel(0, 0), QColor(pal.color(QPalette::Dark)).rgb());
        QTest::mouseRelease(FKey, Qt::LeftButton);

        FKey->SetSpecKeyColor(0x0000FF);
        FKey->SetSpecialKey(TSpecialKey::Enter);
        QCOMPARE(Grab().pixel(10, 50), QColor(Qt::red).rgb());

        FKey->SetStatus(vxoSendClick);
        const QImage flat = Grab();
        QCOMPARE(flat.pixel(0, 0), QColor(Qt::black).rgb());
        QCOMPARE(flat.pixel(99, 50), QColor(Qt::black).rgb());
        QCOMPARE(flat.pixel(50, 99), QColor(Qt::black).rgb());
        QCOMPARE(flat.pixel(1, 1), QColor(Qt::red).rgb());
    }

    void paintsFrames() {
        FKey->SetColorFocused(0x00FF00);
        FKey->SetColorSelected(0xFF0000);
        FKey->SetActive(true);
        QImage image = Grab();
        QCOMPARE(image.pixel(50, 4), QColor(Qt::green).rgb());
        QCOMPARE(image.pixel(4, 50), QColor(Qt::green).rgb());
        QCOMPARE(image.pixel(96, 50), QColor(Qt::green).rgb());
        QCOMPARE(image.pixel(50, 8), QColor(Qt::white).rgb());

        FKey->SetSelected(true);
        FKey->update(); // setting Selected alone does not repaint
        image = Grab();
        QCOMPARE(image.pixel(50, 4), QColor(Qt::blue).rgb()); // selection over focus
        QVERIFY(image.pixel(50, 3) == QColor(Qt::green).rgb() ||
                image.pixel(50, 5) == QColor(Qt::green).rgb());
    }

    void paintsTextsAndDivider() {
        const QPalette pal = FKey->palette();
        FKey->SetTextSh(QStringLiteral("W"));
        const QImage image = Grab();
        QCOMPARE(image.pixel(10, 50), QColor(ToQColor(0xFF000010, pal)).rgb());
        // Both labels are drawn in the font colour inside their boxes.
        for (const TKeyRect &box : {FKey->TextBounds(), FKey->TextShBounds()}) {
            int inked = 0;
            for (int y = box.Top; y < box.Bottom; ++y)
                for (int x = box.Left; x < box.Right; ++x)
                    inked += Near(image.pixelColor(x, y), Rgb(0x800000), 40) ? 1 : 0;
            QVERIFY(inked > 3);
        }
    }

    void paintsSymbol() {
        QImage red(20, 20, QImage::Format_RGB32);
        red.fill(Qt::red);
        FKey->SetSymbol(TPicture::FromImageAsJpeg(red));
        FKey->SetTextSh(QStringLiteral("W")); // hidden beside a symbol, divider still drawn
        const QImage image = Grab();
        const TKeyRect symbol = FKey->SymbolRect();
        QVERIFY(Near(image.pixelColor((symbol.Left + symbol.Right) / 2, symbol.Top + 3),
                     QColor(Qt::red), 16));
        QCOMPARE(FKey->TextShBounds().IsEmpty(), true);
        QCOMPARE(image.pixel(4, 50), QColor(ToQColor(0xFF000010, FKey->palette())).rgb());
    }

    void paintsWithoutColours() {
        // No colour and the default colour are legal stored values; neither may break painting.
        FKey->SetNormKeyColor(0x1FFFFFFF);
        FKey->SetColorFocused(0x20000000);
        TKeyFont font;
        font.Color = 0x1FFFFFFF;
        FKey->SetFont(font);
        FKey->SetActive(true);
        QVERIFY(!Grab().isNull());
        FKey->SetNormKeyColor(0x20000000);
        QCOMPARE(Grab().pixel(10, 50), FKey->palette().color(QPalette::Button).rgb());
    }

    void accessibleName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("textSh");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        const QString none;
        QTest::newRow("text first") << "a"
                                    << "A" << int(TSpecialKey::None) << "a";
        QTest::newRow("text over kind") << "←" << none << int(TSpecialKey::Backspace) << "←";
        QTest::newRow("shifted text") << none << "A" << int(TSpecialKey::None) << "A";
        QTest::newRow("blank text is none") << " " << none << int(TSpecialKey::Space) << "Space";
        QTest::newRow("line breaks")
            << "Dobrý\r\nden " << none << int(TSpecialKey::None) << "Dobrý den";
        QTest::newRow("bare symbol key") << none << "\t" << int(TSpecialKey::None) << "Klávesa";
        QTest::newRow("damaged kind") << none << none << int(TSpecialKey(200)) << "Klávesa";
    }

    void accessibleName() {
        QFETCH(QString, text);
        QFETCH(QString, textSh);
        QFETCH(int, kind);
        QTEST(KeyAccessibleName(text, textSh, TSpecialKey(kind)), "name");
    }

    void accessibility() {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(FKey);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("VxKey"));
        FKey->SetText(QString());
        FKey->SetTextSh(QStringLiteral("A"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("A"));
        FKey->SetTextSh(QString());
        FKey->SetSpecialKey(TSpecialKey::Page_Up);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Page Up"));
        FKey->setAccessibleName(QStringLiteral("Dolů o stránku"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Dolů o stránku"));
        QVERIFY(!iface->state().selected);
        FKey->SetSelected(true);
        FKey->SetActive(true);
        QVERIFY(iface->state().selected);
        QVERIFY(iface->state().focused);

        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(FClicks.size(), 1);
        QCOMPARE(FClicks[0].Code, 33);
    }

    void fontConversion() {
        TKeyFont font;
        font.Name = QStringLiteral("DejaVu Sans");
        font.Height = -20;
        font.Style = TKeyFont::fsBold | TKeyFont::fsUnderline;
        font.Color = 0x123;
        font.Charset = 238;
        const QFont qfont = font.ToQFont();
        QCOMPARE(qfont.pixelSize(), 20);
        QVERIFY(qfont.bold());
        QVERIFY(qfont.underline());
        QVERIFY(!qfont.italic());
        // QFont carries no colour or charset; the base font supplies them.
        QCOMPARE(TKeyFont::FromQFont(qfont, font), font);
        font.Height = std::numeric_limits<std::int32_t>::min();
        QCOMPARE(font.ToQFont().pixelSize(), 1024);
    }
};

QTEST_MAIN(TestVxKey)
#include "tst_VxKey.moc"
