#include "ConfirmDlg.h"
#include "FormFixture.h"
#include "GridDlg.h"
#include "ScanModes.h"
#include "SwitchFilter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int SwTime = 500;

} // namespace

// The switches in the running window: key events go into the application as a user's would,
// through the switch filter, and what ends up in the display is checked.
class TestSwitches : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;
    qint64 Now = 36000000; // 10:00

    TForm1 &Form() { return *F->Form; }

    // Keys a..f in a 3 x 2 grid (scanning) or a row of six keys (free layout), in work mode.
    void MakeKeys(bool scanning, int modes = 0) {
        Form().SetEditMode(true);
        Form().SetScanning(scanning);
        Form().TimeGrid1->SetnCol(3);
        Form().TimeGrid1->SetnRow(2);
        for (const char *t : {"a", "b", "c", "d", "e", "f"})
            F->AddKey(QString::fromLatin1(t));
        Form().TimeGrid1->SetScanModes(TScanModes::fromInt(modes));
        Form().TimeGrid1->SetSwTime(SwTime);
        Form().SetEditMode(false);
    }

    void Key(QEvent::Type type, int key, bool repeat = false) {
        const bool enter = key == Qt::Key_Return;
        QKeyEvent event(type, key, Qt::NoModifier,
                        enter ? QStringLiteral("\r") : QStringLiteral(" "), repeat);
        QWidget *target = QApplication::activeModalWidget();
        QApplication::sendEvent(target ? target : Form().Display, &event);
    }
    void Press(int key, int heldMs) {
        Key(QEvent::KeyPress, key);
        Now += heldMs;
        Key(QEvent::KeyRelease, key);
        Now += 10;
    }

    // t: a scan timer step; s: switch 1 (Space) short; l: switch 1 held past SwTime;
    // x: switch 1 held exactly SwTime; e: switch 2 (Enter).
    void Play(const QString &script) {
        for (QChar c : script) {
            switch (c.toLatin1()) {
            case 't':
                Form().Timer2Timer();
                break;
            case 's':
                Press(Qt::Key_Space, 120);
                break;
            case 'l':
                Press(Qt::Key_Space, SwTime + 300);
                break;
            case 'x':
                Press(Qt::Key_Space, SwTime);
                break;
            case 'e':
                Press(Qt::Key_Return, 80);
                break;
            default:
                QFAIL("unknown step");
            }
        }
    }

private slots:
    void init() {
        F = std::make_unique<TFormFixture>();
        F->Make();
        Form().HookKey->SetClock([this] { return Now; });
        // The steps come from the script only.
        Form().Timer2->setInterval(24 * 3600 * 1000);
    }
    void cleanup() { F.reset(); }

    // Grid a b c / d e f, the scan starting in the cell sweep on a.
    void scanningComposes_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("written");
        const int X = smShowX, Stop = smStop, Row = smStayOnRow, Col = smStayOnCol;
        QTest::newRow("one switch, rows and cells") << 0 << "tsttstts"
                                                    << "bf";
        QTest::newRow("two switches toggle sweeps") << 0 << "ettetts"
                                                    << "e";
        QTest::newRow("long press toggles sweeps") << 0 << "lttltts"
                                                   << "e";
        QTest::newRow("held exactly SwTime is long") << 0 << "xttxtts"
                                                     << "e";
        QTest::newRow("show X selects in rows") << X << "tstts"
                                                << "be";
        QTest::newRow("stop: long press selects") << Stop << "tslstse"
                                                  << "be";
        QTest::newRow("stop: ticks wait while stopped") << Stop << "tsttttl"
                                                        << "b";
        QTest::newRow("stay on row") << Row << "tsts"
                                     << "bc";
        QTest::newRow("stay on column") << Col << "tsttltts"
                                        << "bf";
        QTest::newRow("another key does nothing") << 0 << "tt"
                                                  << "";
    }
    void scanningComposes() {
        QFETCH(int, modes);
        QFETCH(QString, script);
        MakeKeys(true, modes);
        Play(script);
        QTEST(Form().Display->toPlainText(), "written");
    }

    void switchesNeverReachTheDisplay_data() {
        QTest::addColumn<bool>("editMode");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("written");
        QTest::newRow("work: Space") << false << int(Qt::Key_Space) << "";
        QTest::newRow("work: Enter") << false << int(Qt::Key_Return) << "";
        QTest::newRow("work: a letter passes") << false << int(Qt::Key_A) << "a";
        QTest::newRow("edit: Space types") << true << int(Qt::Key_Space) << " ";
    }
    void switchesNeverReachTheDisplay() {
        QFETCH(bool, editMode);
        QFETCH(int, key);
        // No keys: a switch has nothing to click.
        Form().SetEditMode(editMode);
        Form().Display->setFocus();
        const QString text = key == Qt::Key_A ? QStringLiteral("a") : QStringLiteral(" ");
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(Form().Display, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(Form().Display, &release);
        QTEST(Form().Display->toPlainText(), "written");
    }

    // A held switch repeats; it is still one press, as long as it was held.
    void autoRepeatIsOnePress() {
        MakeKeys(true);
        Key(QEvent::KeyPress, Qt::Key_Space);
        for (int i = 0; i < 10; ++i) {
            Now += 60;
            Key(QEvent::KeyRelease, Qt::Key_Space, true);
            Key(QEvent::KeyPress, Qt::Key_Space, true);
        }
        Form().Timer2Timer(); // the cursor stands while the switch is down
        QCOMPARE(Form().TimeGrid1->iCol(), 0);
        Key(QEvent::KeyRelease, Qt::Key_Space);
        // 600 ms: a long press, the sweeps toggle and nothing is chosen.
        QCOMPARE(Form().TimeGrid1->ScanPhase(), quint8(2));
        QCOMPARE(Form().Display->toPlainText(), QString());
    }

    // F8 is the edit-mode key; as a switch its releases are ignored and it stays a switch.
    void f8AsSwitchIsIgnored() {
        MakeKeys(true);
        Form().TimeGrid1->SetSwCode2(119);
        Form().Timer2Timer();
        Press(Qt::Key_F8, 80);
        QVERIFY(!Form().EditMode());
        QCOMPARE(Form().TimeGrid1->ScanPhase(), quint8(0));
        Form().Timer2Timer(); // not frozen
        QCOMPARE(Form().TimeGrid1->iCol(), 2);
    }

    void freeLayoutSteps_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("active");
        QTest::addColumn<QString>("written");
        QTest::newRow("switch 2 clicks the first key") << "e" << 0 << "a";
        QTest::newRow("switch 1 moves on") << "sse" << 2 << "c";
        QTest::newRow("wraps after the last") << "ssssssse" << 1 << "b";
        QTest::newRow("long press clicks") << "sl" << 1 << "b";
        QTest::newRow("exactly SwTime only moves") << "sx" << 2 << "";
    }
    void freeLayoutSteps() {
        QFETCH(QString, script);
        MakeKeys(false);
        QCOMPARE(Form().ActiveKey(), Form().Keys().constFirst());
        Play(script);
        QTEST(int(Form().Keys().indexOf(Form().ActiveKey())), "active");
        QTEST(Form().Display->toPlainText(), "written");
    }

    // The clear key asks; the switches answer, a long press being switch 2.
    void switchesAnswerTheQuestion_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("long press: no") << "l" << false;
        QTest::newRow("switch 2: no") << "e" << false;
        QTest::newRow("1 then long press: yes") << "sl" << true;
        QTest::newRow("1 then 2: yes") << "se" << true;
        QTest::newRow("1 twice then 2: no") << "sse" << false;
    }
    void switchesAnswerTheQuestion() {
        QFETCH(QString, answer);
        Form().SetEditMode(true);
        Form().TimeGrid1->SetnCol(1);
        Form().TimeGrid1->SetnRow(1);
        F->AddKey(QStringLiteral("Smazat"), TSpecialKey::Clear);
        Form().SetEditMode(false);
        Form().Display->setPlainText(QStringLiteral("Dobrý den."));
        bool asked = false;
        QTimer::singleShot(0, Form().ConfirmDlg(), [&] {
            asked = Form().ConfirmDlg()->isVisible();
            Play(answer);
            if (Form().ConfirmDlg()->isVisible())
                Form().ConfirmDlg()->reject();
        });
        Play(QStringLiteral("s")); // one cell: the release clicks it
        QVERIFY(asked);
        QVERIFY(!Form().ConfirmDlg()->isVisible());
        QTEST(Form().Display->toPlainText().isEmpty(), "cleared");
    }

    // While another window holds the input, switch keys are its keys.
    void otherModalWindowGetsTheKeys() {
        MakeKeys(true);
        QDialog box(&Form());
        box.setModal(true);
        box.show();
        QVERIFY(QApplication::activeModalWidget() == &box);
        bool reported = false;
        Form().TimeGrid1->connect(Form().TimeGrid1, &TTimeGrid::OnSwitch,
                                  [&reported] { reported = true; });
        Press(Qt::Key_Space, 100);
        QVERIFY(!reported);
        box.hide();
        Press(Qt::Key_Space, 100);
        QVERIFY(reported);
    }

    // The grid settings from the menu reach the scan at once: another switch key, another
    // scanning mode, another scan step.
    void gridSettingsTakeEffect() {
        MakeKeys(true, smShowX | smStop);
        Form().SetEditMode(true);
        QVERIFY(Form().Menu.GridItem->isEnabled());
        Form().Menu.GridItem->trigger();
        TGridDialog *dlg = Form().GridDialog();
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->ScanModeCombo->currentIndex(), 3);
        dlg->ScanModeCombo->setCurrentIndex(0);
        emit dlg->ScanModeCombo->activated(0);
        dlg->Sw1Combo->lineEdit()->setText(QStringLiteral("x"));
        dlg->IntSEdit->setValue(10000);
        dlg->OKButton->click();
        QVERIFY(!dlg->isVisible());
        QCOMPARE(Form().Timer2->interval(), 10000);
        QCOMPARE(Form().HookKey->WatchedKeys(), TWatchedKeys::FromCodes(88, 13));
        Form().SetEditMode(false);
        Form().Timer2->stop();
        for (QChar c : QStringLiteral("tXttXttX")) {
            if (c == QLatin1Char('t'))
                Form().Timer2Timer();
            else
                Press(Qt::Key_X, 120);
        }
        QCOMPARE(Form().Display->toPlainText(), QStringLiteral("bf"));
    }

    void hookFollowsEditMode() {
        MakeKeys(true);
        QVERIFY(Form().HookKey->KeyHook());
        QVERIFY(Form().Timer2->isActive());
        Form().SetEditMode(true);
        QVERIFY(!Form().HookKey->KeyHook());
        QVERIFY(!Form().Timer2->isActive());
        Form().TimeGrid1->SetSwCode1(65);
        QCOMPARE(Form().HookKey->WatchedKeys(), TWatchedKeys::FromCodes(65, 13));
    }
};

QTEST_MAIN(TestSwitches)
#include "tst_Switches.moc"
