// The printing module: Qt's print support, with the print system's client library it brings,
// loaded by the program the first time it prints. Its own symbols are bound inside it, so the
// call below reaches this copy of the printer code, not the program's stand-in.
#include "Printer.h"

extern "C" Q_DECL_EXPORT TPrinter *orvanta_new_printer(const QString *pdfWithoutPrinter) {
    return NewPrinter(*pdfWithoutPrinter, nullptr).release();
}
