#include "ConfirmDlg.h"
#include "DialogStrings.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QColor kNavy(0, 0, 0x80);
const QColor kRed(0xFF, 0, 0);

QColor CaptionColor(const QPushButton *button) {
    return button->palette().color(QPalette::ButtonText);
}

QWidget *FirstButtonInTabOrder(QWidget &window) {
    for (QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (qobject_cast<QPushButton *>(w))
            return w;
    }
    return nullptr;
}

} // namespace

class TestConfirmDlg : public QObject {
    Q_OBJECT

    static constexpr int kSw1 = 32;
    static constexpr int kSw2 = 13;
    static constexpr int kSwTime = 500;

    // The dialog between questions: hidden, not blinking, "&Ne" chosen, "&Ano" navy.
    static void VerifyIdle(const TConfirmDlg &dlg) {
        QVERIFY(!dlg.isVisible());
        QVERIFY(!dlg.Timer1->isActive());
        QVERIFY(dlg.BitBtn2->isDefault());
        QVERIFY(!dlg.BitBtn1->isDefault());
        QCOMPARE(CaptionColor(dlg.BitBtn1), kNavy);
    }

    static void OpenWithSwitches(TConfirmDlg &dlg) {
        dlg.SetSwitchCode1(kSw1);
        dlg.SetSwitchCode2(kSw2);
        dlg.Open(DialogStrings::ClearQuestion);
    }

private slots:
    void form() {
        TConfirmDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Potvrzení příkazu"));
        QCOMPARE(dlg.size(), QSize(349, 132));
        QCOMPARE(dlg.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(dlg.Label1->text(), QStringLiteral("Opravdu chcete smazat celý text ?"));
        QCOMPARE(dlg.Label1->palette().color(QPalette::WindowText), kNavy);
        QCOMPARE(dlg.Label1->font().pixelSize(), 16);
        QCOMPARE(dlg.BitBtn1->text(), QStringLiteral("&Ano"));
        QCOMPARE(dlg.BitBtn2->text(), QStringLiteral("&Ne"));
        QCOMPARE(dlg.BitBtn1->accessibleName(), QStringLiteral("Ano"));
        QCOMPARE(dlg.BitBtn2->accessibleName(), QStringLiteral("Ne"));
        QCOMPARE(dlg.BitBtn1->font().pixelSize(), 13);
        QCOMPARE(CaptionColor(dlg.BitBtn2), kNavy);
        QCOMPARE(FirstButtonInTabOrder(dlg), dlg.BitBtn2);
        QCOMPARE(dlg.Timer1->interval(), 400);
        VerifyIdle(dlg);
    }

    void openingShowsTheQuestionAndBlinks() {
        TConfirmDlg dlg;
        OpenWithSwitches(dlg);
        const QString other = QStringLiteral("Jiná otázka ?");
        dlg.done(TConfirmChoice::kResultCancel);
        dlg.Open(other);
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.isModal());
        QCOMPARE(dlg.Label1->text(), other);
        QVERIFY(dlg.Timer1->isActive());
        dlg.done(TConfirmChoice::kResultCancel);
    }

    // Answers given by switch releases (code, hold time), keys and the close box.
    void answers_data() {
        QTest::addColumn<QList<int>>("releases"); // code, duration, code, duration, ...
        QTest::addColumn<int>("key");             // a key after the releases, or 0
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("result");

        const int none = Qt::NoModifier;
        const int yes = TConfirmChoice::kResultYes, no = TConfirmChoice::kResultNo;
        const int cancel = TConfirmChoice::kResultCancel;
        const int held = kSwTime + 1;
        QTest::newRow("switch 1, switch 2")
            << QList<int>{kSw1, 10, kSw2, 10} << 0 << none << false << yes;
        QTest::newRow("long press of switch 1")
            << QList<int>{kSw1, held} << 0 << none << false << no;
        QTest::newRow("Enter presses the chosen no")
            << QList<int>{} << int(Qt::Key_Return) << none << false << no;
        QTest::newRow("switch 1, Enter")
            << QList<int>{kSw1, 10} << int(Qt::Key_Return) << none << false << yes;
        QTest::newRow("Esc with yes chosen")
            << QList<int>{kSw1, 10} << int(Qt::Key_Escape) << none << false << no;
        QTest::newRow("close box with yes chosen")
            << QList<int>{kSw1, 10} << 0 << none << true << cancel;
    }
    void answers() {
        QFETCH(QList<int>, releases);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closeBox);
        QFETCH(int, result);

        TConfirmDlg dlg;
        QSignalSpy finished(&dlg, &QDialog::finished);
        OpenWithSwitches(dlg);
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        for (qsizetype i = 0; i + 1 < releases.size(); i += 2)
            dlg.SwitchReleased(releases.at(i), releases.at(i + 1), kSwTime);
        if (key)
            QTest::keyClick(dlg.focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (closeBox)
            dlg.close();

        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), result);
        QCOMPARE(dlg.result(), result);
        VerifyIdle(dlg);
    }

    // The accelerators press their own button whichever answer is chosen. The button's click
    // follows on a timer of its own, so only the press is checked here.
    void accelerators_data() {
        QTest::addColumn<bool>("yesChosen");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("yesPressed");
        QTest::newRow("Alt+A") << false << int(Qt::Key_A) << true;
        QTest::newRow("Alt+N with yes chosen") << true << int(Qt::Key_N) << false;
    }
    void accelerators() {
        QFETCH(bool, yesChosen);
        QFETCH(int, key);
        QFETCH(bool, yesPressed);
        TConfirmDlg dlg;
        OpenWithSwitches(dlg);
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        if (yesChosen)
            dlg.SwitchPressed(kSw1);
        QTest::keyClick(&dlg, Qt::Key(key), Qt::AltModifier);
        QCOMPARE(dlg.BitBtn1->isDown(), yesPressed);
        QCOMPARE(dlg.BitBtn2->isDown(), !yesPressed);
        dlg.done(TConfirmChoice::kResultCancel);
    }

    void moveAndBlink() {
        TConfirmDlg dlg;
        OpenWithSwitches(dlg);
        dlg.Timer1Timer();
        QCOMPARE(CaptionColor(dlg.BitBtn2), kRed);
        QCOMPARE(CaptionColor(dlg.BitBtn1), kNavy);

        dlg.SwitchPressed(kSw1);
        QVERIFY(dlg.BitBtn1->isDefault());
        QVERIFY(!dlg.BitBtn2->isDefault());
        QCOMPARE(dlg.focusWidget(), dlg.BitBtn1);
        QCOMPARE(CaptionColor(dlg.BitBtn2), kNavy);
        dlg.Timer1Timer();
        QCOMPARE(CaptionColor(dlg.BitBtn1), kRed);
        dlg.Timer1Timer();
        QCOMPARE(CaptionColor(dlg.BitBtn1), kNavy);

        dlg.SwitchPressed(65); // not a switch
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.BitBtn1->isDefault());
        dlg.done(TConfirmChoice::kResultCancel);
    }

    void nextQuestionStartsOnNoAfterYes() {
        TConfirmDlg dlg;
        QSignalSpy finished(&dlg, &QDialog::finished);
        OpenWithSwitches(dlg);
        dlg.SwitchPressed(kSw1);
        dlg.Timer1Timer(); // "&Ano" red when answered
        dlg.SwitchPressed(kSw2);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), TConfirmChoice::kResultYes);
        VerifyIdle(dlg);

        OpenWithSwitches(dlg);
        dlg.SwitchPressed(kSw2);
        QCOMPARE(finished.size(), 2);
        QCOMPARE(finished.at(1).at(0).toInt(), TConfirmChoice::kResultNo);
    }

    void switchesWhileHiddenAreIgnored() {
        TConfirmDlg dlg;
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.SetSwitchCode2(kSw2);
        dlg.SwitchPressed(kSw2);
        dlg.SwitchReleased(kSw2, kSwTime + 1, kSwTime);
        QCOMPARE(finished.size(), 0);
        VerifyIdle(dlg);
    }

    void askIsModalAndReturnsTheAnswer() {
        TConfirmDlg dlg;
        dlg.SetSwitchCode1(kSw1);
        dlg.SetSwitchCode2(kSw2);
        bool blinkingWhileAsked = false;
        // Answered from inside the modal loop; the second event only ends a loop left open by
        // a fault, so the test fails instead of hanging.
        QTimer::singleShot(0, &dlg, [&] {
            blinkingWhileAsked = dlg.Timer1->isActive();
            dlg.SwitchPressed(kSw1);
            dlg.SwitchPressed(kSw2);
        });
        QTimer::singleShot(0, &dlg, [&] {
            if (dlg.isVisible())
                dlg.done(-1);
        });
        QCOMPARE(dlg.Ask(DialogStrings::ClearQuestion), TConfirmChoice::kResultYes);
        QVERIFY(blinkingWhileAsked);
        VerifyIdle(dlg);
    }
};

QTEST_MAIN(TestConfirmDlg)
#include "tst_ConfirmDlg.moc"
