#include "AppStrings.h"
#include "ConfigFormat.h"
#include "FormFixture.h"
#include "ShippedConfiguration.h"
#include "SwitchFilter.h"
#include "TextJournal.h"
#include "VoiceSettings.h"
#include "VoiceStrings.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QMenu>
#include <QSplitter>
#include <QTextEdit>
#include <QTimer>

namespace {

// An empty scanning table, 10 x 6.
const QByteArray EmptyTable("\x01\0\0\0\0\x0A\0\0\0\x06\0\0\0", 13);

void WriteFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestConfiguration : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;

    QString UserFile() const { return Dirs().ConfigDir + AppStrings::ConfigFileName; }
    QString ShippedFile() const { return Dirs().ProgramDir + AppStrings::ConfigFileName; }

    // Ends the window as "&Konec" does and starts a new one, with the same speech output.
    TForm1 &Restart(const QStringList &arguments = {}) {
        F->Form.reset();
        AutoReadMode = 0;
        F->Prompts.Shown.clear();
        return F->Make(arguments);
    }

private slots:
    void init() {
        F = std::make_unique<TFormFixture>();
        Dirs().ConfigDir = F->Dir.filePath(QStringLiteral("config")) + QLatin1Char('/');
        WriteFile(F->TablePath(QStringLiteral("index.kbt")), EmptyTable);
    }
    void cleanup() {
        F.reset();
        Dirs().ConfigDir.clear();
        AutoReadMode = 0;
    }

    // A run that did not end leaves its journal: the next start shows that text, with the caret
    // where it was; a clean end leaves none.
    void textSurvivesACrash() {
        WriteFile(UserFile(), ConfigFormat::Write(ShippedConfiguration()));
        TForm1 &form = F->Make();
        const QString path = Dirs().ConfigDir + AppStrings::JournalFileName;
        form.Display->setPlainText(QStringLiteral("Dobrý den,\npotřebuji pomoc"));
        QTextCursor cursor = form.Display->textCursor();
        cursor.setPosition(5);
        form.Display->setTextCursor(cursor);
        QVERIFY(form.Journal().Pending());
        form.WriteJournal();
        QVERIFY(!form.Journal().Pending());
        const QByteArray crashed = ReadFile(path);
        QVERIFY(!crashed.isEmpty());
        F->Form.reset(); // a clean end removes it
        QVERIFY(!QFile::exists(path));
        WriteFile(path, crashed);
        TForm1 &again = Restart();
        QCOMPARE(again.Display->toPlainText(), QStringLiteral("Dobrý den,\npotřebuji pomoc"));
        QCOMPARE(again.Display->textCursor().position(), 5);
        QVERIFY(F->Prompts.Shown.isEmpty());
    }

    // On a first start there is no configuration folder yet: the journal makes it rather than
    // failing, and trying again, for as long as the program runs.
    void journalOnAFirstStart() {
        TForm1 &form = F->Make();
        QVERIFY(!QFileInfo::exists(Dirs().ConfigDir));
        form.Display->setPlainText(QStringLiteral("Dobrý den"));
        form.WriteJournal();
        QVERIFY(!form.Journal().Pending());
        QVERIFY(QFile::exists(Dirs().ConfigDir + AppStrings::JournalFileName));
    }

    void journalFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        const QByteArray magic = "ORVANTA-TEXT 1\n";
        QTest::newRow("text and caret") << magic + "3\nčau" << true << QStringLiteral("čau") << 3;
        QTest::newRow("empty text") << magic + "0\n" << true << QString() << 0;
        QTest::newRow("caret past the end")
            << magic + "99\nab" << true << QStringLiteral("ab") << 2;
        QTest::newRow("negative caret") << magic + "-1\nab" << false << QString() << 0;
        QTest::newRow("huge caret")
            << magic + "99999999999999999999\nab" << false << QString() << 0;
        QTest::newRow("no caret line") << magic + "12" << false << QString() << 0;
        QTest::newRow("other file") << QByteArray("RIFF....") << false << QString() << 0;
        QTest::newRow("cut in the magic") << magic.left(5) << false << QString() << 0;
    }
    void journalFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QString error;
        const auto read = TTextJournal::Decode(bytes, &error);
        QCOMPARE(read.has_value(), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (!read)
            return;
        QFETCH(QString, text);
        QFETCH(int, caret);
        QCOMPARE(read->Text, text);
        QCOMPARE(read->Caret, caret);
        QVERIFY(TTextJournal::Decode(TTextJournal::Encode(*read)) == read);
    }

    void firstStartOpensTheShippedTableSilently() {
        WriteFile(ShippedFile(), ConfigFormat::Write(ShippedConfiguration()));
        const QByteArray shipped = ReadFile(ShippedFile());
        TForm1 &form = F->Make();
        QCOMPARE(F->Prompts.Texts(), QStringList());
        QCOMPARE(form.TableName(), F->TablePath(QStringLiteral("index.kbt")));
        QVERIFY(!form.EditMode());
        QCOMPARE(F->Speech.Applied.size(), 1);
        QCOMPARE(F->Speech.Applied[0].Kind, quint8(vkAuto));

        F->Form.reset();
        QCOMPARE(F->Prompts.Texts(), QStringList()); // no warning at a clean exit
        QVERIFY(QFileInfo::exists(UserFile()));
        QCOMPARE(ReadFile(ShippedFile()), shipped); // only the user's file is written
    }

    void restartRestoresWhatTheUserLeft() {
        WriteFile(ShippedFile(), ConfigFormat::Write(ShippedConfiguration()));
        TForm1 &form = F->Make();
        F->Speech.Voice = TVoiceSettings{vkSapi5, 2, 70, -3};
        form.Display->setPlainText(QStringLiteral("Dobrý den.\n\nŽluťoučký kůň "));
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(30);
        font.setItalic(true);
        form.Display->setFont(font);
        form.Splitter1->setSizes({140, 300});
        form.Menu.EchoItem->setChecked(true);
        form.Menu.SentItem->trigger();
        form.Timer2->setInterval(1700);
        form.TimeGrid1->SetPenCursor(TGridPen{0x00FF00FF, 6, Qt::SolidLine});
        form.TimeGrid1->SetSwCode1(65);
        form.TimeGrid1->SetSwTime(900);
        // The window takes a new size in edit mode and keeps it in work mode.
        form.SetEditMode(true);
        form.resize(700, 520);
        form.move(33, 44);
        form.SetEditMode(false);
        const int displayHeight = form.Display->height();
        const QPoint pos = form.pos();

        TForm1 &again = Restart();
        QCOMPARE(F->Prompts.Texts(), QStringList());
        QCOMPARE(again.Display->toPlainText(), QStringLiteral("Dobrý den.\n\nŽluťoučký kůň "));
        QCOMPARE(again.Display->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(again.Display->font().pixelSize(), 30);
        QVERIFY(again.Display->font().italic());
        QCOMPARE(again.Display->currentFont().pixelSize(), 30); // new text is written in it
        QCOMPARE(again.Display->height(), displayHeight);
        QVERIFY(again.Menu.EchoItem->isChecked());
        QCOMPARE(int(AutoReadMode), 2);
        QVERIFY(again.Menu.SentItem->isChecked());
        QCOMPARE(again.Timer2->interval(), 1700);
        QCOMPARE(again.TimeGrid1->PenCursor().Color, 0x00FF00FFu);
        QCOMPARE(again.TimeGrid1->PenCursor().Width, 6);
        QCOMPARE(again.TimeGrid1->SwCode1(), quint16(65));
        QCOMPARE(again.TimeGrid1->SwTime(), 900);
        QVERIFY(again.HookKey->WatchedKeys().Contains(65));
        QCOMPARE(again.size(), QSize(700, 520));
        QCOMPARE(again.pos(), pos);
        QCOMPARE(F->Speech.Applied.last(), (TVoiceSettings{vkSapi5, 2, 70, -3}));
        QCOMPARE(again.TableName(), F->TablePath(QStringLiteral("index.kbt")));
    }

    // The font dialog gives points; the next start shows the same size.
    void fontChosenInPointsKeepsItsSize() {
        WriteFile(ShippedFile(), ConfigFormat::Write(ShippedConfiguration()));
        TForm1 &form = F->Make();
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSize(26);
        F->Prompts.Fonts = {font};
        form.TextItemClick();
        const int pixels = QFontInfo(font).pixelSize();
        QVERIFY(pixels != 16);
        TForm1 &again = Restart();
        QCOMPARE(again.Display->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(QFontInfo(again.Display->font()).pixelSize(), pixels);
    }

    void tableFromTheCommandLineWins() {
        TConfiguration c = ShippedConfiguration();
        c.TableName = F->TablePath(QStringLiteral("index.kbt"));
        WriteFile(UserFile(), ConfigFormat::Write(c));
        WriteFile(F->TablePath(QStringLiteral("jine.kbt")), EmptyTable);
        TForm1 &form = F->Make({QStringLiteral("jine.kbt")});
        QCOMPARE(F->Prompts.Texts(), QStringList());
        QCOMPARE(form.TableName(), F->TablePath(QStringLiteral("jine.kbt")));
        QCOMPARE(form.Menu.EchoItem->isChecked(), false);
    }

    // A damaged table named on the command line is read once, after the configuration, and told
    // once.
    void damagedTableFromTheCommandLineIsToldOnce() {
        WriteFile(UserFile(), ConfigFormat::Write(ShippedConfiguration()));
        WriteFile(F->TablePath(QStringLiteral("vadna.kbt")), QByteArray("not a table at all"));
        F->Make({QStringLiteral("vadna.kbt")});
        const QStringList texts = F->Prompts.Texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.constFirst().startsWith(AppStrings::CannotOpenTable), qPrintable(texts[0]));
    }

    void noConfigurationAndNoTable() {
        QFile::remove(F->TablePath(QStringLiteral("index.kbt")));
        TForm1 &form = F->Make();
        const QList<TScriptedPrompts::TShown> shown = F->Prompts.Shown;
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].Text, AppStrings::ConfigUnreadable + ShippedFile());
        QCOMPARE(shown[1].Text,
                 AppStrings::DefaultTableMissing + QLatin1Char('\r') + AppStrings::FindTable);
        QCOMPARE(shown[2].Kind, TScriptedPrompts::kOpenFile);
        QVERIFY(form.EditMode());
        QCOMPARE(form.Timer2->interval(), 1000);
    }

    // The file ends after two of its four lines: everything before the lines stays applied, no
    // directory changes, and the table is looked for by hand.
    void fileCutInItsLines() {
        TConfiguration c = ShippedConfiguration();
        c.Interval = 1300;
        c.Echo = 1;
        c.AutoReadMode = 1;
        c.Left = 10;
        c.Top = 20;
        c.Right = 610;
        c.Bottom = 420;
        const QString otherTables = F->Dir.filePath(QStringLiteral("jinde")) + QLatin1Char('/');
        QDir().mkpath(otherTables);
        c.TablesDir = otherTables;
        c.SoundsDir = otherTables;
        QByteArray bytes = ConfigFormat::Write(c);
        const QByteArray lastTwo("\r\nindex.kbt\r\n"); // an empty pictures line, the table
        QVERIFY(bytes.endsWith(lastTwo));
        bytes.chop(lastTwo.size());
        WriteFile(UserFile(), bytes);
        const QString tables = Dirs().TablesDir;

        TForm1 &form = F->Make();
        QCOMPARE(F->Prompts.Texts(), (QStringList{AppStrings::ConfigUnreadable + UserFile(),
                                                  AppStrings::DefaultTableMissing +
                                                      QLatin1Char('\r') + AppStrings::FindTable,
                                                  AppStrings::OpenTableTitle}));
        QCOMPARE(form.Timer2->interval(), 1300);
        QVERIFY(form.Menu.EchoItem->isChecked());
        QCOMPARE(int(AutoReadMode), 1);
        QCOMPARE(form.size(), QSize(600, 400));
        QCOMPARE(Dirs().TablesDir, tables);
        QVERIFY(form.EditMode());
    }

    void directoryLines_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing directory replaces") << true;
        QTest::newRow("missing directory keeps the default") << false;
    }
    void directoryLines() {
        QFETCH(bool, exists);
        const QString sounds = F->Dir.filePath(QStringLiteral("mé zvuky")) + QLatin1Char('/');
        if (exists)
            QDir().mkpath(sounds);
        TConfiguration c = ShippedConfiguration();
        c.SoundsDir = sounds;
        WriteFile(UserFile(), ConfigFormat::Write(c));
        const QString before = Dirs().SoundsDir;
        F->Make();
        QCOMPARE(F->Prompts.Texts(), QStringList());
        QCOMPARE(Dirs().SoundsDir, exists ? sounds : before);
    }

    void voiceDefaultsAndFailure_data() {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<quint8>("asked");
        QTest::newRow("no record: none becomes automatic") << false << true << quint8(vkAuto);
        QTest::newRow("stored record") << true << true << quint8(vkCSVoice);
        QTest::newRow("no engine starts: the message") << true << false << quint8(vkCSVoice);
    }
    void voiceDefaultsAndFailure() {
        QFETCH(bool, stored);
        QFETCH(bool, starts);
        QFETCH(quint8, asked);
        TConfiguration c = ShippedConfiguration();
        c.VoiceRecord = WriteVoiceSettings(TVoiceSettings{vkCSVoice, -1, 100, 0});
        QByteArray bytes = ConfigFormat::Write(c);
        if (!stored) {
            // A file of the older kind: no version, no voice record.
            const QByteArray display = ConfigFormat::WriteDisplayRecord(c.Display);
            bytes = display + bytes.mid(8 + display.size() + TConfiguration::VoiceRecordSize);
        }
        WriteFile(UserFile(), bytes);
        F->Speech.ApplyResult = starts;
        F->Make();
        QCOMPARE(F->Speech.Applied.size(), 1);
        QCOMPARE(F->Speech.Applied[0].Kind, asked);
        QCOMPARE(F->Prompts.Texts(),
                 starts ? QStringList() : QStringList{VoiceStrings::NoSynthesizer});
    }

    void failedWriteWarns() {
        WriteFile(ShippedFile(), ConfigFormat::Write(ShippedConfiguration()));
        F->Make();
        // A folder where the file should be: nothing can replace it.
        QDir().mkpath(UserFile());
        F->Form.reset();
        QCOMPARE(F->Prompts.Texts(), QStringList{AppStrings::ConfigNotSaved});
        QVERIFY(QFileInfo(UserFile()).isDir());
    }
};

QTEST_MAIN(TestConfiguration)
#include "tst_Configuration.moc"
