#include "AudioRouting.h"
#include "DeviceChoice.h"
#include "Directories.h"
#include "MainForm.h"
#include "SAPI5Dlg.h"
#include "SpVoice.h"
#include "VoiceChoice.h"
#include "VoiceDialogStrings.h"
#include "VoiceDlg.h"
#include "VoiceOutput.h"
#include "VoicePictures.h"
#include "VoiceRig.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The tree as text: "Vendor(Voice:picture,...)|...".
QString TreeText(const TDlgSAPI5 &dlg) {
    QList<QImage> pictures;
    for (int i = 0; i < 4; ++i)
        pictures.append(VoicePictureImage(TVoicePicture(i)));
    QStringList vendors;
    for (int v = 0; v < dlg.TreeTTS->topLevelItemCount(); ++v) {
        const QTreeWidgetItem *vendor = dlg.TreeTTS->topLevelItem(v);
        QStringList voices;
        for (int c = 0; c < vendor->childCount(); ++c) {
            const QTreeWidgetItem *voice = vendor->child(c);
            const QImage image = voice->icon(0).pixmap(16, 16).toImage().convertToFormat(
                QImage::Format_ARGB32_Premultiplied);
            voices.append(voice->text(0) + QLatin1Char(':') +
                          QString::number(pictures.indexOf(image)));
        }
        vendors.append(vendor->text(0) + QLatin1Char('(') + voices.join(QLatin1Char(',')) +
                       QLatin1Char(')'));
    }
    return vendors.join(QLatin1Char('|'));
}

QString CurrentName(const TDlgSAPI5 &dlg) {
    return dlg.TreeTTS->currentItem() ? dlg.TreeTTS->currentItem()->text(0) : QString();
}

// The selection rests: what the 50 ms delay would report.
void Settle(TDlgSAPI5 &dlg) {
    QCoreApplication::processEvents();
    QVERIFY(dlg.ChangeTimer->isActive());
    dlg.ChangeTimer->stop();
    dlg.TreeTTSChange();
}

// Starts the engines a row asks for: "none", "sapi", "com", "dde".
void StartEngine(TVoiceRig &rig, const QString &engine) {
    if (engine == QLatin1String("com")) {
        rig.Automation.Present = true;
        QVERIFY(rig.Voice->StartVoice(vkCSVoice));
    } else if (engine == QLatin1String("dde")) {
        rig.Shell.TlkCommand = QStringLiteral("synth %1");
        QVERIFY(rig.Voice->StartVoice(vkCSVoice));
    } else if (engine == QLatin1String("sapi")) {
        QVERIFY(rig.Voice->StartVoice(vkSapi5));
    }
}

} // namespace

class TestVoiceDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void tree_data() {
        QTest::addColumn<QList<TVoiceToken>>("voices");
        QTest::addColumn<QString>("tree");
        QTest::newRow("no voices") << QList<TVoiceToken>{} << QString();
        QTest::newRow("two vendors, pictures by gender")
            << TVoiceRig::ThreeVoices()
            << QStringLiteral("eSpeak NG(Czech:1,English:2)|Other(Robot:3)");
        QTest::newRow("voices of one vendor stay in list order")
            << QList<TVoiceToken>{TVoiceRig::Token("b", "B", "V"), TVoiceRig::Token("x", "X", "W"),
                                  TVoiceRig::Token("a", "A", "V")}
            << QStringLiteral("V(B:3,A:3)|W(X:3)");
        QTest::newRow("without a vendor")
            << QList<TVoiceToken>{TVoiceToken{QStringLiteral("n"), {}}}
            << QStringLiteral("neznámý(neznámý:3)");
    }
    void tree() {
        QFETCH(QList<TVoiceToken>, voices);
        QFETCH(QString, tree);
        TVoiceRig rig(voices);
        StartEngine(rig, QStringLiteral("sapi"));
        TDlgSAPI5 dlg(*rig.Voice);
        dlg.show();
        QCOMPARE(TreeText(dlg), tree);
        QCOMPARE(dlg.VoiceIds().size(), voices.size());
    }

    // What the dialog shows on opening: the voice in use, or the first one when the voice in
    // use is not listed; with no voices nothing at all.
    void opening_data() {
        QTest::addColumn<QList<TVoiceToken>>("voices");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("highlighted");
        QTest::addColumn<bool>("selectEnabled");
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("description");
        QTest::newRow("no voices")
            << QList<TVoiceToken>{} << -1 << -1 << true << QStringLiteral("manufact")
            << QStringLiteral(" lang") << QString();
        QTest::newRow("voice in use")
            << TVoiceRig::ThreeVoices() << 1 << 1 << false << QStringLiteral("eSpeak NG")
            << QStringLiteral("English (United States)")
            << QStringLiteral("English - English (United States)");
        QTest::newRow("voice in use not listed")
            << TVoiceRig::ThreeVoices() << -1 << 0 << true << QStringLiteral("eSpeak NG")
            << QStringLiteral("čeština") << QString();
        QTest::newRow("missing attributes")
            << TVoiceRig::ThreeVoices() << 2 << 2 << false << QStringLiteral("Other")
            << QStringLiteral("neznámý") << QStringLiteral("Robot");
    }
    void opening() {
        QFETCH(QList<TVoiceToken>, voices);
        QFETCH(int, current);
        QFETCH(int, highlighted);
        QFETCH(bool, selectEnabled);
        QFETCH(QString, vendor);
        QFETCH(QString, language);
        QFETCH(QString, description);
        TVoiceRig rig(voices);
        StartEngine(rig, QStringLiteral("sapi"));
        rig.Sapi->Current = current >= 0 ? voices.at(current) : TVoiceRig::Token("gone", "G", "V");
        TDlgSAPI5 dlg(*rig.Voice);
        dlg.show();
        QCOMPARE(dlg.VoiceIndex(), highlighted);
        QCOMPARE(dlg.BtnVyber->isEnabled(), selectEnabled);
        QCOMPARE(dlg.SettingsTabVisible(), !selectEnabled);
        QCOMPARE(dlg.lbManufact->text(), vendor);
        QCOMPARE(dlg.lbLanguage->text(), language);
        QCOMPARE(dlg.stVyber->text(), description);
        if (highlighted >= 0) {
            QCOMPARE(CurrentName(dlg), ReadVoiceInfo(voices.at(highlighted)).Name);
            QCOMPARE(dlg.StatusPanel->text(),
                     QStringLiteral("ModeID: ") + voices.at(highlighted).Id);
        }
    }

    // Only voices are highlighted: a vendor passes the selection on, and the arrow keys still
    // reach every voice.
    void selectionMoves_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("to");
        QTest::newRow("vendor click")
            << QStringLiteral("Robot") << QStringLiteral("eSpeak NG") << QStringLiteral("Czech");
        QTest::newRow("other vendor click")
            << QStringLiteral("Czech") << QStringLiteral("Other") << QStringLiteral("Robot");
        QTest::newRow("down into the next vendor")
            << QStringLiteral("English") << QStringLiteral("Down") << QStringLiteral("Robot");
        QTest::newRow("up out of a vendor")
            << QStringLiteral("Robot") << QStringLiteral("Up") << QStringLiteral("English");
        QTest::newRow("up from the first voice stays")
            << QStringLiteral("Czech") << QStringLiteral("Up") << QStringLiteral("Czech");
    }
    void selectionMoves() {
        QFETCH(QString, from);
        QFETCH(QString, action);
        QFETCH(QString, to);
        TVoiceRig rig(TVoiceRig::ThreeVoices());
        StartEngine(rig, QStringLiteral("sapi"));
        TDlgSAPI5 dlg(*rig.Voice);
        dlg.show();
        const auto node = [&dlg](const QString &text) {
            return dlg.TreeTTS->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        };
        dlg.TreeTTS->setCurrentItem(node(from));
        dlg.ChangeTimer->stop();
        dlg.TreeTTSChange();
        if (action == QLatin1String("Up") || action == QLatin1String("Down")) {
            dlg.TreeTTS->setFocus();
            QTest::keyClick(dlg.TreeTTS, action == QLatin1String("Up") ? Qt::Key_Up : Qt::Key_Down);
        } else {
            const QTreeWidgetItem *vendor = node(action);
            QTest::mouseClick(dlg.TreeTTS->viewport(), Qt::LeftButton, {},
                              dlg.TreeTTS->visualItemRect(vendor).center());
        }
        Settle(dlg);
        QCOMPARE(CurrentName(dlg), to);
        QCOMPARE(dlg.lbCharacter->text(), to);
    }

    // "Vybrat" makes the highlighted voice the engine's and fills the test text by its language.
    void select_data() {
        QTest::addColumn<int>("voice");
        QTest::addColumn<QString>("sample");
        QTest::newRow("Czech voice") << 0 << QString(VoiceDialogStrings::CzechSample);
        QTest::newRow("English voice") << 1 << QString(VoiceDialogStrings::EnglishSample);
        QTest::newRow("voice without a language")
            << 2 << QString(VoiceDialogStrings::EnglishSample);
    }
    void select() {
        QFETCH(int, voice);
        QFETCH(QString, sample);
        const QList<TVoiceToken> voices = TVoiceRig::ThreeVoices();
        TVoiceRig rig(voices);
        StartEngine(rig, QStringLiteral("sapi"));
        // Another voice is in use, so this one can be chosen.
        rig.Sapi->Current = voices.at((voice + 1) % 3);
        TDlgSAPI5 dlg(*rig.Voice);
        dlg.show();
        dlg.TextBox->setPlainText(QStringLiteral("x"));
        dlg.HighlightVoice(voice);
        dlg.UpdateSelectionState();
        QVERIFY(dlg.BtnVyber->isEnabled());
        QVERIFY(!dlg.SettingsTabVisible());
        QTest::mouseClick(dlg.BtnVyber, Qt::LeftButton);
        QCOMPARE(rig.Sapi->Current, voices.at(voice));
        QCOMPARE(dlg.TextBox->toPlainText(), sample);
        QVERIFY(!dlg.BtnVyber->isEnabled());
        QVERIFY(dlg.SettingsTabVisible());
        QVERIFY(!dlg.stVyber->text().isEmpty());
        QCOMPARE(dlg.CurrentInfo().Id, voices.at(voice).Id);
    }

    // Rate and volume reach the engine at every step and show beside their sliders.
    void sliders_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("call");
        QTest::newRow("slowest") << QStringLiteral("tbRate") << -10 << QStringLiteral("Rate=-10");
        QTest::newRow("fastest") << QStringLiteral("tbRate") << 10 << QStringLiteral("Rate=10");
        QTest::newRow("silent") << QStringLiteral("tbVolume") << 0 << QStringLiteral("Volume=0");
        QTest::newRow("half") << QStringLiteral("tbVolume") << 55 << QStringLiteral("Volume=55");
    }
    void sliders() {
        QFETCH(QString, slider);
        QFETCH(int, position);
        QFETCH(QString, call);
        TVoiceRig rig(TVoiceRig::ThreeVoices());
        StartEngine(rig, QStringLiteral("sapi"));
        TDlgSAPI5 dlg(*rig.Voice);
        dlg.show();
        QSlider *bar = dlg.findChild<QSlider *>(slider);
        QLabel *label = slider == QLatin1String("tbRate") ? dlg.lblRate : dlg.lblVolume;
        bar->setValue(position);
        QCOMPARE(rig.Sapi->Calls.value(rig.Sapi->Calls.size() - 1), call);
        QCOMPARE(label->text(), QString::number(position));
    }

    void rateByKeyboard() {
        TVoiceRig rig(TVoiceRig::ThreeVoices());
        StartEngine(rig, QStringLiteral("sapi"));
        rig.Sapi->FRate = 3;
        rig.Sapi->FVolume = 40;
        TDlgSAPI5 dlg(*rig.Voice);
        dlg.show();
        // The settings tab opens on the engine's values without writing them back.
        dlg.PageControl1->setCurrentWidget(dlg.TabSetting);
        QCOMPARE(dlg.tbRate->value(), 3);
        QCOMPARE(dlg.lblVolume->text(), QStringLiteral("40"));
        QVERIFY(rig.Sapi->Calls.isEmpty());
        dlg.tbRate->setFocus();
        QTest::keyClick(dlg.tbRate, Qt::Key_Home);
        QCOMPARE(rig.Sapi->FRate, -10);
        QCOMPARE(dlg.lblRate->text(), QStringLiteral("-10"));
    }

    void speakAndStop() {
        TVoiceRig rig(TVoiceRig::ThreeVoices());
        StartEngine(rig, QStringLiteral("sapi"));
        TDlgSAPI5 dlg(*rig.Voice);
        dlg.show();
        dlg.TextBox->setPlainText(QStringLiteral("Ahoj\nsvěte"));
        QTest::mouseClick(dlg.BtnSpeak, Qt::LeftButton);
        QTest::mouseClick(dlg.BtnReset, Qt::LeftButton);
        QCOMPARE(rig.Sapi->Spoken,
                 (QStringList{QStringLiteral("Ahoj\r\nsvěte\r\n"), QStringLiteral(" ")}));
        QVERIFY(!dlg.BtnSpeak->isDown());
    }

    // The output list shows the engine really in use and whether it has settings.
    void showEngine_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("setup");
        QTest::newRow("none") << QStringLiteral("none") << QStringLiteral("žádný") << false;
        QTest::newRow("system engine")
            << QStringLiteral("sapi") << QStringLiteral("SAPI 5") << true;
        QTest::newRow("automation server")
            << QStringLiteral("com") << QStringLiteral("CS-Voice") << true;
        QTest::newRow("command server")
            << QStringLiteral("dde") << QStringLiteral("CS-Voice") << false;
    }
    void showEngine() {
        QFETCH(QString, engine);
        QFETCH(QString, item);
        QFETCH(bool, setup);
        TVoiceRig rig;
        StartEngine(rig, engine);
        TDlgVoice dlg(*rig.Voice, nullptr);
        dlg.show();
        QCOMPARE(dlg.TTSSelectCb->currentText(), item);
        QCOMPARE(dlg.SetupBtn->isEnabled(), setup);
        QCOMPARE(dlg.TestTextCb->currentText(), QString());
    }

    // Choosing an output starts it; a failure asks whether to search, and the list then shows
    // what really runs.
    void choose_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("withSapi");
        QTest::addColumn<bool>("comPresent");
        QTest::addColumn<int>("item");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("running");
        QTest::newRow("system engine starts without a question")
            << QStringLiteral("none") << true << false << 1 << QList<bool>{} << 0 << int(veSapi5);
        QTest::newRow("CS-Voice missing, No leaves none")
            << QStringLiteral("none") << true << false << 2 << QList<bool>{false} << 1
            << int(veNone);
        QTest::newRow("CS-Voice missing, Yes finds the system engine")
            << QStringLiteral("none") << true << false << 2 << QList<bool>{true} << 1
            << int(veSapi5);
        QTest::newRow("CS-Voice missing while the system engine runs, No stops it")
            << QStringLiteral("sapi") << true << false << 2 << QList<bool>{false} << 1
            << int(veNone);
        QTest::newRow("no engine at all, Yes finds nothing")
            << QStringLiteral("none") << false << false << 1 << QList<bool>{true} << 1
            << int(veNone);
        QTest::newRow("CS-Voice present") << QStringLiteral("none") << true << true << 2
                                          << QList<bool>{} << 0 << int(veComServer);
        QTest::newRow("none never asks")
            << QStringLiteral("sapi") << true << false << 0 << QList<bool>{} << 0 << int(veNone);
    }
    void choose() {
        QFETCH(QString, engine);
        QFETCH(bool, withSapi);
        QFETCH(bool, comPresent);
        QFETCH(int, item);
        QFETCH(QList<bool>, answers);
        QFETCH(int, questions);
        QFETCH(int, running);
        TVoiceRig rig({}, withSapi);
        StartEngine(rig, engine);
        rig.Automation.Present = comPresent;
        rig.Prompts.Answers = answers;
        TDlgVoice dlg(*rig.Voice, nullptr);
        dlg.show();
        dlg.TTSSelectCb->setCurrentIndex(item);
        emit dlg.TTSSelectCb->activated(item);
        QCOMPARE(rig.Prompts.Shown.size(), qsizetype(questions));
        if (questions > 0)
            QCOMPARE(rig.Prompts.Shown[0].Text,
                     QStringLiteral("Nelze spustit požadovaný hlasový výstup.\rChcete vyhledat "
                                    "jiný existující výstup automaticky?"));
        QCOMPARE(int(rig.Voice->ActiveEngine()), running);
        QCOMPARE(dlg.TTSSelectCb->currentIndex(), OutputItemOfEngine(TVoiceEngine(running)));
        QCOMPARE(dlg.SetupBtn->isEnabled(), EngineHasSettings(TVoiceEngine(running)));
    }

    // By keyboard alone: choose "SAPI 5", then leave with Esc ("Storno"): the new output stays.
    void cancelKeepsTheNewOutput() {
        TVoiceRig rig;
        TDlgVoice dlg(*rig.Voice, nullptr);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(QApplication::focusWidget(), dlg.TTSSelectCb);
        QTest::keyClick(dlg.TTSSelectCb, Qt::Key_Down);
        QCOMPARE(rig.Voice->ActiveEngine(), veSapi5);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(rig.Voice->ActiveEngine(), veSapi5);
        QVERIFY(rig.Prompts.Shown.isEmpty());
    }

    void settingsButton_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("serverCalls");
        QTest::addColumn<bool>("sapiShown");
        QTest::newRow("automation server")
            << QStringLiteral("com")
            << QStringList{QStringLiteral("ConfigureVoice(0)"), QStringLiteral("reset()")} << false;
        QTest::newRow("system engine") << QStringLiteral("sapi") << QStringList{} << true;
        QTest::newRow("command server") << QStringLiteral("dde") << QStringList{} << false;
    }
    void settingsButton() {
        QFETCH(QString, engine);
        QFETCH(QStringList, serverCalls);
        QFETCH(bool, sapiShown);
        TVoiceRig rig(TVoiceRig::ThreeVoices());
        StartEngine(rig, engine);
        rig.Automation.Calls.clear();
        TDlgSAPI5 sapi(*rig.Voice);
        TDlgVoice dlg(*rig.Voice, &sapi);
        dlg.show();
        dlg.SetupBtnClick();
        QCOMPARE(rig.Automation.Calls, serverCalls);
        QCOMPARE(sapi.isVisible(), sapiShown);
        if (sapiShown) {
            QVERIFY(sapi.isModal());
            QCOMPARE(CurrentName(sapi), QStringLiteral("Czech"));
        }
    }

    void testAndStop_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("empty text")
            << QStringLiteral("sapi") << QString() << QStringList{QString(), QStringLiteral(" ")};
        QTest::newRow("typed text")
            << QStringLiteral("sapi") << QStringLiteral("Dobrý den")
            << QStringList{QStringLiteral("Dobrý den"), QStringLiteral(" ")};
        QTest::newRow("no engine")
            << QStringLiteral("none") << QStringLiteral("Ahoj") << QStringList{};
    }
    void testAndStop() {
        QFETCH(QString, engine);
        QFETCH(QString, typed);
        QFETCH(QStringList, spoken);
        TVoiceRig rig;
        StartEngine(rig, engine);
        TDlgVoice dlg(*rig.Voice, nullptr);
        dlg.show();
        dlg.TestTextCb->setEditText(typed);
        QTest::mouseClick(dlg.TestBtn, Qt::LeftButton);
        QTest::mouseClick(dlg.BitBtn3, Qt::LeftButton);
        QCOMPARE(rig.Sapi->Spoken, spoken);
    }

    // What the dialogs set reaches the stored record, and a new start with it restores the
    // output, the voice, its volume and its rate.
    void choiceSurvivesARestart() {
        const QList<TVoiceToken> voices = TVoiceRig::ThreeVoices();
        QByteArray record;
        {
            TVoiceRig rig(voices);
            TDlgSAPI5 sapi(*rig.Voice);
            TDlgVoice dlg(*rig.Voice, &sapi);
            dlg.show();
            dlg.TTSSelectCb->setCurrentIndex(1);
            emit dlg.TTSSelectCb->activated(1);
            dlg.SetupBtnClick();
            sapi.HighlightVoice(1);
            sapi.UpdateSelectionState();
            sapi.BtnVyber->click();
            sapi.tbRate->setValue(-4);
            sapi.tbVolume->setValue(70);
            record = WriteVoiceSettings(rig.Voice->GetVoiceSettings());
        }
        TVoiceSettings stored;
        QVERIFY(ReadVoiceSettings(record, stored));
        TVoiceRig restarted(voices);
        QVERIFY(restarted.Voice->ApplyVoiceSettings(stored));
        QCOMPARE(restarted.Voice->ActiveEngine(), veSapi5);
        QCOMPARE(restarted.Sapi->Current, voices.at(1));
        QCOMPARE(restarted.Sapi->Rate(), -4);
        QCOMPARE(restarted.Sapi->Volume(), 70);
        TDlgSAPI5 sapi(*restarted.Voice);
        sapi.show();
        QCOMPARE(CurrentName(sapi), QStringLiteral("English"));
        QCOMPARE(sapi.tbRate->value(), -4);
    }

    // The main window makes both dialogs when the output choice is first opened from its menu,
    // and keeps them.
    void mainWindowOpensTheDialog() {
        QTemporaryDir dir;
        Dirs() = DeriveDirectories(dir.path(), dir.filePath(QStringLiteral("orvanta")),
                                   [](const QString &) { return true; });
        TVoiceRig rig(TVoiceRig::ThreeVoices());
        TVoiceOutput output(*rig.Voice);
        TForm1 form({}, &output);
        QVERIFY(!form.DlgVoice && !form.DlgSAPI5);
        QVERIFY(form.Menu.VoiceItem->isEnabled());
        form.Menu.VoiceItem->trigger();
        QVERIFY(form.DlgVoice && form.DlgSAPI5);
        QCOMPARE(form.DlgVoice->parentWidget(), &form);
        QVERIFY(form.DlgVoice->isVisible());
        QVERIFY(form.DlgVoice->isModal());
        QCOMPARE(form.DlgVoice->TTSSelectCb->currentIndex(),
                 OutputItemOfEngine(rig.Voice->ActiveEngine()));
        form.DlgVoice->BitBtn1->click();
        QVERIFY(!form.DlgVoice->isVisible());
        TDlgVoice *const first = form.DlgVoice;
        form.Menu.VoiceItem->trigger();
        QCOMPARE(form.DlgVoice, first);
        first->BitBtn1->click();
    }

    // The output dialog chooses where the voice and the prompts play, at once and for the
    // window: an unplugged output chosen before stays listed under its id.
    void voiceDialogRoutesTheOutputs() {
        QTemporaryDir dir;
        Dirs() = DeriveDirectories(dir.path(), dir.filePath(QStringLiteral("orvanta")),
                                   [](const QString &) { return true; });
        struct TRecordingRouting final : TAudioRouting {
            QList<QPair<QString, QString>> Routes;
            QList<TDevice> Devices() override {
                return {{QStringLiteral("sink.a"), QStringLiteral("Reproduktory")},
                        {QStringLiteral("sink.b"), QStringLiteral("Sluchátka")}};
            }
            void Route(const QString &speech, const QString &prompts) override {
                Routes.append({speech, prompts});
            }
        } routing;
        TVoiceRig rig(TVoiceRig::ThreeVoices());
        TVoiceOutput output(*rig.Voice, &routing);
        TForm1 form({}, &output);
        form.SetAudioDevices(QString(), QStringLiteral("sink.gone"));
        form.Menu.VoiceItem->trigger();
        const auto items = [](const QComboBox *combo) {
            QStringList texts;
            for (int i = 0; i < combo->count(); ++i)
                texts.append(combo->itemText(i));
            return texts + QStringList{combo->currentText()};
        };
        TDeviceChoice *choice = form.DlgVoice->OutputGroup;
        QCOMPARE(
            items(choice->SpeechDeviceCombo),
            QStringList({QStringLiteral("výchozí zařízení systému"), QStringLiteral("Reproduktory"),
                         QStringLiteral("Sluchátka"), QStringLiteral("výchozí zařízení systému")}));
        QCOMPARE(choice->PromptDeviceCombo->currentText(), QStringLiteral("sink.gone"));
        choice->SpeechDeviceCombo->setCurrentIndex(2);
        emit choice->SpeechDeviceCombo->activated(2);
        QCOMPARE(routing.Routes.last(),
                 qMakePair(QStringLiteral("sink.b"), QStringLiteral("sink.gone")));
        QCOMPARE(form.ScanAccess().SpeechDevice, QStringLiteral("sink.b"));
        form.DlgVoice->BitBtn2->click();
        QCOMPARE(form.ScanAccess().SpeechDevice, QStringLiteral("sink.b"));
    }

    // The real voice list: every installed voice under one vendor, the Czech voice in use.
    void realVoiceList() {
        TVoiceServices services;
        auto sink = std::make_shared<TCaptureSink>();
        services.MakeSapiVoice = [sink] { return std::make_unique<TSpVoice>(sink); };
        TVoice voice(std::move(services));
        voice.CreateSapiVoice();
        QVERIFY(voice.StartVoice(vkSapi5));
        const qsizetype count = voice.VoiceTokens().size();
        if (count == 0)
            QSKIP("eSpeak NG lists no voices here");
        TDlgSAPI5 dlg(voice);
        dlg.show();
        QCOMPARE(dlg.TreeTTS->topLevelItemCount(), 1);
        QCOMPARE(dlg.TreeTTS->topLevelItem(0)->text(0), QStringLiteral("eSpeak NG"));
        QCOMPARE(qsizetype(dlg.TreeTTS->topLevelItem(0)->childCount()), count);
        QCOMPARE(dlg.lbLanguage->text(), QStringLiteral("čeština"));
        QVERIFY(!dlg.BtnVyber->isEnabled());
        QVERIFY(dlg.SettingsTabVisible());
        // The common languages by name; only rare ones (Lojban, Latin, ...) that neither our
        // locales nor Qt's know go without.
        QMap<QString, QString> names;
        int unnamed = 0;
        for (const TVoiceToken &token : voice.VoiceTokens()) {
            names.insert(token.Id, VoiceLanguageName(ReadVoiceInfo(token)));
            unnamed += names.value(token.Id) == QStringLiteral("neznámý");
        }
        QCOMPARE(names.value(QStringLiteral("zlw/cs")), QStringLiteral("čeština"));
        QCOMPARE(names.value(QStringLiteral("zlw/sk")), QStringLiteral("slovenčina"));
        QCOMPARE(names.value(QStringLiteral("gmw/en-US")),
                 QStringLiteral("English (United States)"));
        QCOMPARE(names.value(QStringLiteral("gmw/de")), QStringLiteral("Deutsch"));
        QVERIFY2(unnamed * 4 < count, qPrintable(QString::number(unnamed)));
    }
};

QTEST_MAIN(TestVoiceDialogs)
#include "tst_VoiceDialogs.moc"
