#include "Printer.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace {

class TQtPrinter final : public TPrinter {
public:
    explicit TQtPrinter(const QString &pdfWithoutPrinter)
        : FPrinter(QPrinter::HighResolution) {
        if (QPrinterInfo::availablePrinters().isEmpty())
            SetOutputFile(pdfWithoutPrinter);
    }

    QString DocName() const override { return FPrinter.docName(); }
    void SetDocName(const QString &name) override { FPrinter.setDocName(name); }
    QString OutputFile() const override {
        return FPrinter.outputFormat() == QPrinter::PdfFormat ? FPrinter.outputFileName()
                                                              : QString();
    }
    void SetOutputFile(const QString &pdf) override {
        FPrinter.setOutputFormat(QPrinter::PdfFormat);
        FPrinter.setOutputFileName(pdf);
    }
    bool Setup(QWidget *parent) override {
        QPrintDialog dialog(&FPrinter, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    void Print(const QTextDocument &document) override { document.print(&FPrinter); }

private:
    QPrinter FPrinter;
};

} // namespace

std::unique_ptr<TPrinter> NewPrinter(const QString &pdfWithoutPrinter, QString *) {
    return std::make_unique<TQtPrinter>(pdfWithoutPrinter);
}
