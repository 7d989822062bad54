#include "Modules.h"
#include "Printer.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

// The program prints through the printing module, loaded on first use: a printer comes from it,
// keeps what it is told, and writes a real PDF; Qt's print support is not linked in here.
class TestPrinterModule : public QObject {
    Q_OBJECT

private slots:
    // A module or an entry that is not there gives no entry at all, and says why.
    void aMissingModuleOrEntry_data() {
        QTest::addColumn<QString>("module");
        QTest::newRow("no such module") << QStringLiteral("orvanta-none.so");
        QTest::newRow("no such entry") << QStringLiteral("orvanta-print.so");
    }
    void aMissingModuleOrEntry() {
        QFETCH(QString, module);
        const TModuleEntries m = LoadModule(module, {NewPrinterSymbol, "orvanta_no_such_entry"});
        QVERIFY(!m.Loaded());
        QVERIFY(!m.Error.isEmpty());
        QVERIFY(!m.At<TNewPrinter>(0));
    }

    void printsThroughTheModule() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QString error;
        std::unique_ptr<TPrinter> printer =
            NewPrinter(dir.filePath(QStringLiteral("none.pdf")), &error);
        QVERIFY2(printer, qPrintable(error));
        printer->SetDocName(QStringLiteral("Orvanta"));
        printer->SetOutputFile(pdf);
        QCOMPARE(printer->DocName(), QStringLiteral("Orvanta"));
        QCOMPARE(printer->OutputFile(), pdf);
        QTextDocument document;
        document.setPlainText(QStringLiteral("Dobrý den"));
        printer->Print(document);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("none.pdf"))));
    }
};

QTEST_MAIN(TestPrinterModule)
#include "tst_PrinterModule.moc"
