#include "AppStrings.h"
#include "Directories.h"
#include "MainForm.h"
#include "RecordingSpeech.h"
#include "ScriptedPrompts.h"
#include "VoiceStrings.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

class TestMainForm : public QObject {
    Q_OBJECT

    TScriptedPrompts FPrompts;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetPrompts(&FPrompts);
        Dirs() = DeriveDirectories(QStringLiteral("/nonexistent"), QStringLiteral("/opt/o/orvanta"),
                                   [](const QString &) { return false; });
    }
    void cleanupTestCase() { SetPrompts(nullptr); }
    void init() { FPrompts.Shown.clear(); }

    // While either output fails the strip says so, with the reason; it goes when both work.
    void soundProblemIsShownUntilSoundIsBack() {
        TForm1 form({});
        form.show();
        QVERIFY(!form.SoundLabel->isVisible());
        form.SetSoundProblem(TSoundNotice::Speech, QStringLiteral("Connection refused"));
        QVERIFY(form.SoundLabel->isVisible());
        QVERIFY(form.SoundLabel->toolTip().contains(QStringLiteral("Connection refused")));
        form.SetSoundProblem(TSoundNotice::Sounds, QStringLiteral("gone"));
        form.SetSoundProblem(TSoundNotice::Speech, QString());
        QVERIFY(form.SoundLabel->isVisible());
        form.SetSoundProblem(TSoundNotice::Sounds, QString());
        QVERIFY(!form.SoundLabel->isVisible());
        QVERIFY(FPrompts.Shown.isEmpty()); // never a box to answer
    }

    void designValues() {
        TForm1 form({});
        QCOMPARE(form.size(), QSize(650, 465));
        QCOMPARE(form.windowTitle(), QString(AppStrings::DesignCaption));
        QCOMPARE(form.Display->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(form.Display->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(form.Display->font().pixelSize(), 16);
        QCOMPARE(form.Display->palette().color(QPalette::Text), QColor(0, 0, 0x80));
        QCOMPARE(form.Splitter1->handleWidth(), 4);
        QCOMPARE(form.CtrPanel->height(), 28);
        QCOMPARE(form.CapsLockLabel->text(), QStringLiteral("CapsLock"));
        QCOMPARE(form.ShiftLabel->text(), QStringLiteral("Shift"));
        QCOMPARE(form.EditLabel->text(), QStringLiteral("Nastavení"));
        QCOMPARE(form.ScanningLabel->text(), QStringLiteral("Skenování"));
        QCOMPARE(form.Panel1->size(), QSize(33, 19));
        QCOMPARE(form.DiacrLabel->text(), QString());
        QCOMPARE(form.BitBtn1->toolTip(), QStringLiteral("Zastavení hlasového výstupu"));
        QCOMPARE(form.Button1->text(), QStringLiteral("XML"));
        QVERIFY(form.Button1->isHidden());
        QCOMPARE(form.StatusPanels[0]->width(), 300);
        QCOMPARE(form.StatusPanels[1]->width(), 100);
        QCOMPARE(form.StatusPanels[2]->text(), QStringLiteral("F8 - Nastavení/Start"));
        // The status bar's timer runs while the status bar shows, in edit mode.
        QVERIFY(!form.Timer1->isActive());
        form.SetEditMode(true);
        QVERIFY(form.Timer1->isActive());
        QCOMPARE(form.Timer1->interval(), 1000);
        QCOMPARE(form.Timer2->interval(), 1000);
    }

    // The stop button and the hidden demonstration button speak through the window's output.
    // (How speech starts belongs to the configuration and is tested there.)
    void speechButtons() {
        TRecordingSpeech speech;
        TForm1 form({}, &speech);
        QVERIFY(FPrompts.Shown.isEmpty());
        form.BitBtn1->click();
        QCOMPARE(speech.Stops, 1);
        form.Button1->click();
        QCOMPARE(speech.Spoken, QStringList{VoiceStrings::XmlDemo});
    }

    void startsInWorkModeWithScanningLayout() {
        TForm1 form({});
        QVERIFY(!form.EditMode());
        QVERIFY(form.Scanning());
        QVERIFY(!form.EditLabel->isEnabled());
        QVERIFY(form.ScanningLabel->isEnabled());
        QVERIFY(!form.CapsLockLabel->isEnabled());
        QVERIFY(!form.ShiftLabel->isEnabled());
        QVERIFY(form.StatusBar->isHidden());
        QCOMPARE(form.EditButton->text(), QStringLiteral("&Nastavení F8"));
        QVERIFY(form.Timer2->isActive());
    }

    void f8SwitchesModesAndKeepsTheCaret() {
        TForm1 form({});
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Display->setFocus();
        form.Display->setPlainText(QStringLiteral("ahoj světe"));
        QTextCursor c = form.Display->textCursor();
        c.setPosition(4);
        form.Display->setTextCursor(c);

        QTest::keyClick(form.Display, Qt::Key_F8);
        QVERIFY(form.EditMode());
        QVERIFY(form.StatusBar->isVisible());
        QVERIFY(form.EditLabel->isEnabled());
        QVERIFY(!form.Timer2->isActive());
        QCOMPARE(form.EditButton->text(), QStringLiteral("&Start F8"));
        QCOMPARE(form.Display->textCursor().position(), 4);
        QVERIFY(!form.Display->textCursor().hasSelection());

        form.EditButton->click();
        QVERIFY(!form.EditMode());
        QVERIFY(form.StatusBar->isHidden());
        QVERIFY(form.Timer2->isActive());
        QCOMPARE(form.Display->textCursor().position(), 4);
    }

    void menuTreeShowsOnlyInEditMode() {
        TForm1 form({});
        const auto topLevel = [&] {
            QStringList visible;
            for (QAction *a : form.menuBar()->actions()) {
                if (a->isVisible())
                    visible.append(a->text());
            }
            return visible;
        };
        QCOMPARE(topLevel(), QStringList());
        form.SetEditMode(true);
        QCOMPARE(topLevel(),
                 (QStringList{QStringLiteral("&Soubor"), QStringLiteral("&Klávesy"),
                              QStringLiteral("&Nastavení"), QStringLiteral("Ná&pověda")}));
        QStringList keys;
        for (QAction *a : form.Menu.Keys1->actions())
            keys.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(keys, (QStringList{QStringLiteral("U&pravit..."), QStringLiteral("-"),
                                    QStringLiteral("&Přidat"), QStringLiteral("&Odstranit"),
                                    QStringLiteral("-"), QStringLiteral("&Nahrát ze souboru..."),
                                    QStringLiteral("&Uložit... ")}));
        QVERIFY(form.Menu.ScanItem->isChecked());
    }

    void scanItemSwitchesLayout() {
        TForm1 form({});
        form.Menu.ScanItem->trigger();
        QVERIFY(!form.Scanning());
        QVERIFY(!form.ScanningLabel->isEnabled());
        QVERIFY(!form.Timer2->isActive());
        form.Menu.ScanItem->trigger();
        QVERIFY(form.Scanning());
        QVERIFY(form.Timer2->isActive());
    }

    void statusPanelCountsSelection() {
        TForm1 form({});
        QCOMPARE(form.StatusPanels[1]->text(), QStringLiteral("selected:"));
        form.Timer1Timer();
        QCOMPARE(form.StatusPanels[1]->text(), QStringLiteral("Selected: 0"));
    }

    void tableNameKeepsTheLastOne() {
        TForm1 form({});
        form.SetTableName(QStringLiteral("a.kbt"));
        form.SetTableName(QString());
        QCOMPARE(form.TableName(), QString());
        QCOMPARE(form.LastTableName(), QStringLiteral("a.kbt"));
        form.SetTableName(QString());
        QCOMPARE(form.LastTableName(), QStringLiteral("a.kbt"));
    }

    void commandLineTableThatCannotOpenIsReportedAndStartContinues() {
        TForm1 form({QStringLiteral("missing.kbt")});
        QVERIFY(!form.EditMode());
        QVERIFY(!FPrompts.Shown.isEmpty());
        QCOMPARE(FPrompts.Shown.first().Kind, TScriptedPrompts::kError);
        QVERIFY(FPrompts.Shown.first().Text.contains(QStringLiteral("missing.kbt")));
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_MainForm.moc"
