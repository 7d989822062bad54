// The program's printer code: the printing module's, loaded the first time it is needed.
#include "Modules.h"
#include "Printer.h"

#include <QLibrary>

std::unique_ptr<TPrinter> NewPrinter(const QString &pdfWithoutPrinter, QString *error) {
    // Loaded once, on the user-interface thread, and kept to the end of the program.
    static QString failure;
    static const TNewPrinter make = [] {
        QLibrary library(ModuleFile(QStringLiteral("orvanta-print.so")));
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        const auto entry = reinterpret_cast<TNewPrinter>(library.resolve(NewPrinterSymbol));
        if (!entry)
            failure = library.errorString();
        return entry;
    }();
    if (!make) {
        if (error)
            *error = failure;
        return nullptr;
    }
    return std::unique_ptr<TPrinter>(make(&pdfWithoutPrinter));
}
