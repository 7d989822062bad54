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
