// The program's printer code: the printing module's, loaded the first time it is needed.
#include "Modules.h"
#include "Printer.h"

std::unique_ptr<TPrinter> NewPrinter(const QString &pdfWithoutPrinter, QString *error) {
    // Loaded once, on the user-interface thread, and kept to the end of the program.
    static QString failure;
    static const TNewPrinter make = [] {
        const TModuleEntries m = LoadModule(QStringLiteral("orvanta-print.so"), {NewPrinterSymbol});
        failure = m.Error;
        return m.At<TNewPrinter>(0);
    }();
    if (!make) {
        if (error)
            *error = failure;
        return nullptr;
    }
    return std::unique_ptr<TPrinter>(make(&pdfWithoutPrinter));
}
