#include "AboutBox.h"
#include "AppStrings.h"
#include "DirDialog.h"
#include "FormFixture.h"
#include "HelpViewer.h"
#include "OpenDocument.h"
#include "PrintOutput.h"
#include "Printer.h"

#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QProcess>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

class TestMenuCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;

    QString Sub(const QString &name) const {
        return QDir::toNativeSeparators(F->Dir.filePath(name)) + QDir::separator();
    }

    // Drags the splitter handle under the display by `dy` pixels, as the mouse would.
    static void DragHandle(QSplitter *splitter, int dy) {
        QSplitterHandle *handle = splitter->handle(1);
        const QPoint local = handle->rect().center();
        const QPoint global = handle->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(handle, &press);
        QMouseEvent move(QEvent::MouseMove, local + QPoint(0, dy), global + QPoint(0, dy),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, local + QPoint(0, dy),
                            global + QPoint(0, dy), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &release);
    }

private slots:
    void init() {
        F = std::make_unique<TFormFixture>();
        F->Make();
        F->Form->SetEditMode(true);
    }
    void cleanup() {
        F.reset();
        SetOpenDocument({});
    }

    void directoryCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("storedExists");
        QTest::addColumn<QString>("answer"); // what the user does in the chooser
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("complains");
        QTest::newRow("tables: chosen gets its separator")
            << "Tabulky1" << true << "choose" << true << false;
        QTest::newRow("sounds: chosen with separator keeps one")
            << "Zvuky1" << true << "choose/" << true << false;
        QTest::newRow("pictures: removed while open")
            << "Obrzky1" << true << "remove" << false << true;
        QTest::newRow("tables: cancelled") << "Tabulky1" << true << "cancel" << false << false;
        QTest::newRow("sounds: stored gone, starts in the current directory")
            << "Zvuky1" << false << "choose" << true << false;
    }
    void directoryCommands() {
        QFETCH(QString, command);
        QFETCH(bool, storedExists);
        QFETCH(QString, answer);
        QFETCH(bool, changed);
        QFETCH(bool, complains);
        struct TTarget {
            QString Caption;
            QString *Dir;
            void (TForm1::*Click)();
        };
        const QHash<QString, TTarget> targets = {
            {QStringLiteral("Tabulky1"),
             {AppStrings::DirCaptionTables, &Dirs().TablesDir, &TForm1::Tabulky1Click}},
            {QStringLiteral("Zvuky1"),
             {AppStrings::DirCaptionSounds, &Dirs().SoundsDir, &TForm1::Zvuky1Click}},
            {QStringLiteral("Obrzky1"),
             {AppStrings::DirCaptionPictures, &Dirs().PicturesDir, &TForm1::Obrzky1Click}},
        };
        const TTarget target = targets.value(command);
        QVERIFY(target.Dir);
        if (!storedExists)
            *target.Dir = Sub(QStringLiteral("gone"));
        const QString old = *target.Dir;
        QVERIFY(QDir().mkpath(F->Dir.filePath(QStringLiteral("new"))));
        const QString chosen = QDir::toNativeSeparators(F->Dir.filePath(QStringLiteral("new")));

        QString caption, shownAt;
        F->Form->ShowModal = [&](QDialog &dialog) {
            auto &chooser = static_cast<TDirDialog &>(dialog);
            caption = chooser.windowTitle();
            shownAt = chooser.Directory();
            if (answer == QLatin1String("cancel"))
                return int(QDialog::Rejected);
            chooser.SetDirectory(answer.endsWith(QLatin1Char('/')) ? chosen + QDir::separator()
                                                                   : chosen);
            if (answer == QLatin1String("remove"))
                QDir(chosen).removeRecursively();
            return int(QDialog::Accepted);
        };
        (F->Form.get()->*target.Click)();

        QCOMPARE(caption, target.Caption);
        QCOMPARE(shownAt, storedExists ? old : QDir::toNativeSeparators(QDir::currentPath()));
        QCOMPARE(*target.Dir, changed ? chosen + QDir::separator() : old);
        QCOMPARE(F->Prompts.Texts(),
                 complains ? QStringList{AppStrings::NoSuchDirectory} : QStringList{});
    }

    void splitterMoveMakesTheDisplayTaller() {
        TForm1 &form = *F->Form;
        const int display = form.Display->height();
        const int grid = form.TimeGrid1->height();
        DragHandle(form.Splitter1, 30);
        QCOMPARE(form.Display->height(), display + 30);
        QCOMPARE(form.TimeGrid1->height(), grid - 30);
    }

    void textItemFontAppliesToOldAndNewText() {
        TForm1 &form = *F->Form;
        form.Display->setPlainText(QStringLiteral("staré"));
        QTextCursor end = form.Display->textCursor();
        end.movePosition(QTextCursor::End);
        form.Display->setTextCursor(end);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(30);
        font.setBold(true);
        F->Prompts.Fonts = {font};
        form.TextItemClick();
        QVERIFY(!form.Display->textCursor().hasSelection());
        QCOMPARE(form.Display->textCursor().position(), 5);

        form.Display->setFocus();
        QTest::keyClicks(form.Display, QStringLiteral("nove"));
        QCOMPARE(form.Display->toPlainText(), QStringLiteral("starénove"));
        for (const int position : {1, 7}) {
            QTextCursor at(form.Display->document());
            at.setPosition(position);
            const QFont f = at.charFormat().font();
            QCOMPARE(f.family(), font.family());
            QCOMPARE(f.pixelSize(), 30);
            QVERIFY(f.bold());
        }

        // Cancelling the font dialog changes nothing.
        form.TextItemClick();
        QCOMPARE(form.Display->font().pixelSize(), 30);
    }

    // The dialog starts on the face the display shows; OK on it leaves the display as it was.
    void textItemStartsOnTheDisplaysFont() {
        TForm1 &form = *F->Form;
        QFont shown(QStringLiteral("No Such Face Here"));
        shown.setPixelSize(21);
        form.Display->setFont(shown);
        form.Display->document()->setDefaultFont(shown);
        form.TextItemClick();
        const QFont offered = F->Prompts.OfferedFonts.value(0);
        QCOMPARE(offered.family(), QFontInfo(shown).family());
        QCOMPARE(QFontInfo(offered).pixelSize(), 21);
        F->Prompts.Fonts = {offered};
        form.TextItemClick();
        QCOMPARE(form.Display->font().family(), shown.family());
        QCOMPARE(form.Display->font().pixelSize(), 21);
    }

    void printMakesAnOrvantaJobWithTheText() {
        TForm1 &form = *F->Form;
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("job.pdf"));
        form.Printer()->SetOutputFile(pdf);
        form.Display->setPlainText(QStringLiteral("Dobrý den, mám hlad."));
        form.Menu.Tisk1->trigger();
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // The job's title is the document title, stored as UTF-16 text.
        const QByteArray title = QByteArrayLiteral("\xFE\xFF\x00O\x00r\x00v\x00"
                                                   "a\x00n\x00t\x00"
                                                   "a");
        QVERIFY(bytes.contains(title) || bytes.contains("(Orvanta)"));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(10000));
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput())
                    .contains(QStringLiteral("Dobrý den, mám hlad.")));
    }

    // Without a printer: a new PDF each time, and a message that says what happened.
    void printWithoutPrinter_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<QString>("written"); // empty: nothing may be written
        QTest::newRow("first") << true << false << "Orvanta.pdf";
        QTest::newRow("an earlier PDF stays") << true << true << "Orvanta-2.pdf";
        QTest::newRow("no folder") << false << false << QString();
    }
    void printWithoutPrinter() {
        QFETCH(bool, folder);
        QFETCH(bool, earlier);
        QFETCH(QString, written);
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        TForm1 &form = *F->Form;
        QTemporaryDir out;
        const QString dir = folder ? out.path() : out.filePath(QStringLiteral("gone"));
        const QString first = QDir(dir).filePath(QStringLiteral("Orvanta.pdf"));
        if (earlier) {
            QFile old(first);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("earlier");
        }
        form.PdfFolder = dir;
        form.Display->setPlainText(QStringLiteral("Ahoj"));
        form.Tisk1Click();
        QCOMPARE(F->Prompts.Shown.size(), 1);
        if (written.isEmpty()) {
            QCOMPARE(F->Prompts.Shown[0].Kind, TScriptedPrompts::kError);
            QCOMPARE(F->Prompts.Shown[0].Text,
                     QStringLiteral("Tiskárna není k dispozici a text nelze uložit do souboru ") +
                         first);
            QVERIFY(!QFileInfo::exists(first));
            return;
        }
        const QString path = QDir(dir).filePath(written);
        QCOMPARE(F->Prompts.Shown[0].Kind, TScriptedPrompts::kMessage);
        QCOMPARE(F->Prompts.Shown[0].Text,
                 QStringLiteral("Tiskárna není k dispozici. Text byl uložen do souboru ") + path);
        QVERIFY(QFileInfo(path).size() > 0);
        QFile old(first);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll().startsWith("%PDF"), !earlier);
    }

    // On paper the text is as large as on the screen, whatever the printer's resolution.
    void paperCopyGivesPoints() {
        QTextDocument document;
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(16);
        document.setDefaultFont(font);
        QTextCursor cursor(&document);
        cursor.insertText(QStringLiteral("plain "));
        QFont big = font;
        big.setPixelSize(32);
        QTextCharFormat large;
        large.setFont(big);
        cursor.insertText(QStringLiteral("large"), large);
        const auto copy = PrintOutput::PaperCopy(document, 96);
        QCOMPARE(copy->toPlainText(), document.toPlainText());
        QCOMPARE(copy->defaultFont().pointSizeF(), 12.0);
        QTextCursor at(copy.get());
        at.setPosition(8);
        QCOMPARE(at.charFormat().font().pointSizeF(), 24.0);
        QCOMPARE(at.charFormat().font().pixelSize(), -1);
        QCOMPARE(at.charFormat().font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(document.defaultFont().pixelSize(), 16); // the display keeps its own
    }

    void printerSetupKeepsTheChosenPrinter() {
        TForm1 &form = *F->Form;
        TPrinter *before = form.Printer();
        F->Prompts.PrinterAnswers = {true};
        form.Menu.Tiskrna1->trigger();
        QCOMPARE(F->Prompts.Shown.size(), 1);
        QCOMPARE(F->Prompts.Shown.constFirst().Kind, TScriptedPrompts::kPrinter);
        QCOMPARE(form.Printer(), before);
    }

    void helpItemsOpenTheirPages_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("manual") << "Nvod1"
                                << "Help.html";
        QTest::newRow("guide") << "Prvodce1"
                               << "Guide.html";
    }
    void helpItemsOpenTheirPages() {
        QFETCH(QString, item);
        QFETCH(QString, page);
        QStringList opened;
        SetOpenDocument([&opened](const QString &path) {
            opened.append(path);
            return true;
        });
        auto *action = F->Form->findChild<QAction *>(item);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(opened, QStringList{Dirs().ProgramDir + QStringLiteral("Help") +
                                     QDir::separator() + page});
        QVERIFY(!F->Form->HelpViewer);
    }

    // Without a browser the page opens in the program's own window.
    void helpWithoutBrowser() {
        QDir(Dirs().ProgramDir).mkpath(QStringLiteral("Help"));
        const QString page = Dirs().ProgramDir + QStringLiteral("Help") + QDir::separator() +
                             QStringLiteral("Help.html");
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Návod</h1><p>Klávesnice pro každého.</p></body></html>");
        file.close();
        SetOpenDocument([](const QString &) { return false; });
        F->Form->Menu.Nvod1->trigger();
        QVERIFY(F->Form->HelpViewer);
        QVERIFY(F->Form->HelpViewer->isVisible());
        QVERIFY(F->Form->HelpViewer->Browser->toPlainText().contains(
            QStringLiteral("Klávesnice pro každého.")));
        QVERIFY(F->Prompts.Shown.isEmpty());
    }

    void aboutShowsTheVersion() {
        QString version;
        F->Form->ShowModal = [&version](QDialog &dialog) {
            dialog.show();
            version = static_cast<TAboutBox &>(dialog).Version->text();
            dialog.hide();
            return int(QDialog::Accepted);
        };
        F->Form->Menu.Oaplikaci1->trigger();
        QCOMPARE(version, QStringLiteral("Verze 2.0 (update 2)"));
    }

    // The program's icon, carried as pixels drawn at build time: every size there, and the
    // drawing's colours where they are (the key's frame, the speech bubble, the clear corner).
    void programIconIsDrawn() {
        QCOMPARE(TAboutBox::ProgramIconImage({56, 112}).availableSizes().size(), 2);
        const QIcon icon = TAboutBox::ProgramIconImage();
        for (const int size : {16, 24, 32, 48, 64})
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                     qPrintable(QString::number(size)));
        const QImage image = icon.pixmap(QSize(64, 64)).toImage();
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(QColor(image.pixel(5, 40)).name(), QStringLiteral("#1f4e8c"));
        QCOMPARE(QColor(image.pixel(38, 12)).name(), QStringLiteral("#f2a516"));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
};

QTEST_MAIN(TestMenuCommands)
#include "tst_MenuCommands.moc"
