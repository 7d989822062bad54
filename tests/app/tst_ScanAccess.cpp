#include "AppStrings.h"
#include "FormFixture.h"
#include "GridDlg.h"
#include "ScanAccessFile.h"
#include "ScanAccessPage.h"
#include "ScanPrompt.h"
#include "SwitchFilter.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

// Switch access in the running window: the switch filter's acceptance and ignore times, the
// spoken prompts and the steps that wait for them, the settings page and the settings file.
class TestScanAccess : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;
    qint64 Now = 36000000;

    TForm1 &Form() { return *F->Form; }
    TRecordingPrompts &Prompts() { return F->Speech.PromptOutput; }

    // Keys a..f in a 3 x 2 grid, in work mode with `access`.
    void MakeKeys(const TScanAccess &access) {
        Form().SetEditMode(true);
        Form().SetScanning(true);
        Form().TimeGrid1->SetnCol(3);
        Form().TimeGrid1->SetnRow(2);
        for (const char *t : {"a", "b", "c", "d", "e", "f"})
            F->AddKey(QString::fromLatin1(t));
        Form().TimeGrid1->SetSwTime(500);
        Form().SetScanAccess(access);
        Form().SetEditMode(false);
    }

    void Key(QEvent::Type type) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(Form().Display, &event);
    }

    // t a timer tick a second on, f the prompt heard to its end, d / u switch 1 down / up, w 50 ms
    // pass; s a press of switch 1 held 400 ms, b one of 60 ms.
    void Play(const QString &script) {
        for (QChar c : script) {
            switch (c.toLatin1()) {
            case 't':
                Now += 1000;
                Form().Timer2Timer();
                break;
            case 'f':
                Prompts().Finish();
                break;
            case 'd':
                Key(QEvent::KeyPress);
                break;
            case 'u':
                Key(QEvent::KeyRelease);
                break;
            case 'w':
                Now += 50;
                break;
            case 's':
            case 'b':
                Key(QEvent::KeyPress);
                Now += c == QLatin1Char('s') ? 400 : 60;
                Key(QEvent::KeyRelease);
                Now += 10;
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
        Form().ScanClock = [this] { return Now; };
        Form().Timer2->setInterval(24 * 3600 * 1000);
    }
    void cleanup() { F.reset(); }

    // Grid a b c / d e f with prompts; the scan starts on a.
    void prompts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("written");
        QTest::newRow("each key in turn")
            << "tftf"
            << QStringList{QStringLiteral("say a"), QStringLiteral("say b"),
                           QStringLiteral("say c")}
            << "";
        QTest::newRow("a step waits for its prompt")
            << "tttt" << QStringList{QStringLiteral("say a")} << "";
        QTest::newRow("pressing cuts the prompt")
            << "tfdwu"
            << QStringList{QStringLiteral("say a"), QStringLiteral("say b"), QStringLiteral("cut"),
                           QStringLiteral("say řádek 1")}
            << "b";
        QTest::newRow("rows after a selection")
            << "dwutftf"
            << QStringList{QStringLiteral("say a"), QStringLiteral("cut"),
                           QStringLiteral("say řádek 1"), QStringLiteral("say řádek 2")}
            << "a";
    }
    void prompts() {
        QFETCH(QString, script);
        TScanAccess access;
        access.Prompts = true;
        MakeKeys(access);
        Play(script);
        QTEST(Prompts().Log, "log");
        QTEST(Form().Display->toPlainText(), "written");
    }

    // Waiting for speech: the cursor keeps still while the chosen key's text is read aloud and
    // moves on when it has been heard, or when the user presses a switch.
    void scanWaitsForSpeech() {
        TScanAccess access;
        access.WaitForSpeech = true;
        F->Speech.TellsEnd = true;
        AutoReadMode = AutoRead::All;
        MakeKeys(access);
        const auto cursor = [this] {
            return QList<int>{Form().TimeGrid1->iCol(), Form().TimeGrid1->iRow(),
                              int(Form().TimeGrid1->ScanPhase())};
        };
        Play(QStringLiteral("tdwu"));
        QCOMPARE(F->Speech.Spoken, QStringList{QStringLiteral("b")});
        const QList<int> held = cursor();
        Play(QStringLiteral("ttt")); // an odd count: the two rows would end elsewhere
        QCOMPARE(cursor(), held);
        F->Speech.FinishSpeech();
        Play(QStringLiteral("t"));
        QVERIFY(cursor() != held);
        Play(QStringLiteral("dwudwu")); // into row 2 and a key of it: held again
        QCOMPARE(F->Speech.Spoken.size(), 2);
        const QList<int> again = cursor();
        Play(QStringLiteral("ttt"));
        QCOMPARE(cursor(), again);
        Play(QStringLiteral("dwut")); // a press takes the scan back
        QVERIFY(cursor() != again);
        AutoReadMode = 0;
    }

    // With an acceptance time of 300 ms and 200 ms ignored after an accepted press, only the
    // firm presses count: b is too short, and a quick second press is a bounce.
    void filteredPressesCompose_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("written");
        QTest::newRow("firm presses compose") << "tsttstts"
                                              << "bf";
        QTest::newRow("short presses ignored") << "tbsbttbsbttbs"
                                               << "bf";
        QTest::newRow("bounces after presses ignored") << "tssttsstts"
                                                       << "bf";
    }
    void filteredPressesCompose() {
        QFETCH(QString, script);
        TScanAccess access;
        access.AcceptTime = 300;
        access.IgnoreAfter = 200;
        MakeKeys(access);
        Play(script);
        QTEST(Form().Display->toPlainText(), "written");
    }

    void keyPrompts_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("letter") << int(TSpecialKey::None) << " á "
                                << "á";
        QTest::newRow("empty letter key") << int(TSpecialKey::None) << ""
                                          << "";
        QTest::newRow("special key by name") << int(TSpecialKey::Backspace) << "<-"
                                             << "smazat znak";
        QTest::newRow("link says its text") << int(TSpecialKey::Other) << "Jídlo"
                                            << "Jídlo";
        QTest::newRow("link without text") << int(TSpecialKey::Other) << ""
                                           << "jiná tabulka";
    }
    void keyPrompts() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QTEST(ScanPrompt::KeyPrompt(TSpecialKey(kind), text), "prompt");
    }

    // The page shows the settings and gives them back; applying hands them to the window.
    void advancedPageApplies() {
        MakeKeys(TScanAccess());
        TScanAccess access;
        access.AcceptTime = 250;
        access.StopRounds = 3;
        access.Prompts = true;
        access.PromptVoice = QStringLiteral("gone/voice");
        access.PromptPause = 150;
        Form().GridDialog()->SetScanAccess(access);
        Form().GridDialog()->FillFromGrid(Form().TimeGrid1);
        TScanAccessPage *page = Form().GridDialog()->AccessPage;
        QCOMPARE(page->Value(), access);
        QCOMPARE(Form().GridDialog()->Pages->tabText(1), QStringLiteral("&Rozšířené"));
        QVERIFY(!page->AcceptSEdit->accessibleName().isEmpty());
        page->IgnoreSEdit->setValue(400);
        Form().GridDialog()->Button1Click();
        access.IgnoreAfter = 400;
        QCOMPARE(Form().ScanAccess(), access);
        QCOMPARE(Form().HookKey->AcceptTime(), 250);
        QCOMPARE(Form().HookKey->IgnoreAfter(), 400);
    }

    // The settings file: a round trip, defaults write no file, and bad values are bounded.
    void settingsFile_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("accept");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("resume");
        QTest::addColumn<int>("volume");
        QTest::newRow("missing file") << QByteArray() << 0 << 0 << 0 << 100;
        QTest::newRow("values") << QByteArray("[Switches]\nAcceptTime=300\n[Scan]\nStopRounds=2\n"
                                              "ResumeAt=1\n[Prompts]\nVolume=40\n")
                                << 300 << 2 << 1 << 40;
        QTest::newRow("out of range")
            << QByteArray("[Switches]\nAcceptTime=-5\n[Scan]\nStopRounds=99999999999\n"
                          "ResumeAt=7\n[Prompts]\nVolume=300\n")
            << 0 << 100 << 0 << 100;
        QTest::newRow("not numbers")
            << QByteArray("[Switches]\nAcceptTime=x\n[Scan]\nResumeAt=@\n") << 0 << 0 << 0 << 100;
        // Not ours: ignored, and replaced by a small file of our own when written.
        QByteArray keys = "[Switches]\nAcceptTime=300\n";
        for (int i = 0; keys.size() <= 64 * 1024; ++i)
            keys += "k" + QByteArray::number(i) + "=1\n";
        QTest::newRow("over 64 KB of keys") << keys << 0 << 0 << 0 << 100;
        QTest::newRow("binary") << QByteArray("\0\xff\x01[\0=\n\x80\xfe", 10) << 0 << 0 << 0 << 100;
        const QString text = QStringLiteral("[Switches]\nAcceptTime=300\n");
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe") +
                                       QByteArray(reinterpret_cast<const char *>(text.utf16()),
                                                  text.size() * 2)
                                << 0 << 0 << 0 << 100;
    }
    void settingsFile() {
        QFETCH(QByteArray, ini);
        const QString name = F->Dir.filePath(QStringLiteral("access.ini"));
        if (!ini.isNull()) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(ini);
        }
        const TScanAccess read = ScanAccessFile::Read(name);
        QTEST(int(read.AcceptTime), "accept");
        QTEST(int(read.StopRounds), "rounds");
        QTEST(int(read.ResumeAt), "resume");
        QTEST(int(read.PromptVolume), "volume");
        // Written over whatever the file held: the write succeeds and carries nothing over.
        TScanAccess changed = read;
        changed.AcceptTime = 123;
        QVERIFY(ScanAccessFile::Write(name, changed));
        QCOMPARE(ScanAccessFile::Read(name), changed);
        QVERIFY(QFileInfo(name).size() < 1024);
        QFile::remove(name);
        QVERIFY(ScanAccessFile::Write(name, read));
        QCOMPARE(QFile::exists(name), read != TScanAccess());
        QCOMPARE(ScanAccessFile::Read(name), read);
    }
};

QTEST_MAIN(TestScanAccess)
#include "tst_ScanAccess.moc"
