#pragma once

#include <QString>
#include <functional>
#include <memory>

class QTextDocument;

// Printing the display without a window: what is printed, and where a PDF goes while the
// machine has no printer.
namespace PrintOutput {

// A copy of `document` whose pixel-sized fonts are given in points, as large on paper as on a
// screen of `screenDpi`: laid out on a printer, a pixel is the printer's own and the text would
// come out a few hundredths of an inch high.
std::unique_ptr<QTextDocument> PaperCopy(const QTextDocument &document, qreal screenDpi);

// The first of "Orvanta.pdf", "Orvanta-2.pdf", "Orvanta-3.pdf", ... in `folder` that `exists`
// does not know, so an earlier print is never overwritten.
QString FreePdfName(const QString &folder, const std::function<bool(const QString &)> &exists);

} // namespace PrintOutput
