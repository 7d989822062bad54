#pragma once

#include <QString>
#include <memory>

class QTextDocument;
class QWidget;

// The printer the program prints on. The printing code is a module of its own in the program,
// loaded the first time it prints or sets up the printer, so the print system's client library
// and the libraries it brings are not mapped at start; tests and tools link it in.
class TPrinter {
public:
    virtual ~TPrinter() = default;

    virtual QString DocName() const = 0;
    virtual void SetDocName(const QString &name) = 0;
    // The PDF file printed into; empty while printing on a printer.
    virtual QString OutputFile() const = 0;
    // Prints into the PDF file `pdf` from now on.
    virtual void SetOutputFile(const QString &pdf) = 0;
    // The print dialog over `parent`; false when the user cancelled it.
    virtual bool Setup(QWidget *parent) = 0;
    virtual void Print(const QTextDocument &document) = 0;
};

// A printer at high resolution: the system's default printer, or the PDF file
// `pdfWithoutPrinter` where the machine has no printer. Null, with `error` saying why, when the
// printing module cannot be loaded.
std::unique_ptr<TPrinter> NewPrinter(const QString &pdfWithoutPrinter, QString *error);

// The module's entry: NewPrinter as a C function.
using TNewPrinter = TPrinter *(*)(const QString *pdfWithoutPrinter);
inline constexpr char NewPrinterSymbol[] = "orvanta_new_printer";
