#include "PrintOutput.h"

#include <QDir>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace PrintOutput {

std::unique_ptr<QTextDocument> PaperCopy(const QTextDocument &document, qreal screenDpi) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    const qreal dpi = screenDpi > 0 ? screenDpi : 96.0;
    QFont base = copy->defaultFont();
    if (base.pixelSize() > 0) {
        base.setPointSizeF(base.pixelSize() * 72.0 / dpi);
        copy->setDefaultFont(base);
    }
    // Collected first: changing a format splits and merges the fragments being walked.
    struct TRun {
        int Start;
        int Length;
        qreal Points;
    };
    QList<TRun> runs;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.hasProperty(QTextFormat::FontPixelSize)) {
                const int pixels = format.intProperty(QTextFormat::FontPixelSize);
                if (pixels > 0)
                    runs.append(TRun{fragment.position(), fragment.length(), pixels * 72.0 / dpi});
            }
        }
    }
    QTextCursor cursor(copy.get());
    for (const TRun &run : std::as_const(runs)) {
        cursor.setPosition(run.Start);
        cursor.setPosition(run.Start + run.Length, QTextCursor::KeepAnchor);
        QTextCharFormat format = cursor.charFormat();
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(run.Points);
        cursor.setCharFormat(format);
    }
    return copy;
}

QString FreePdfName(const QString &folder, const std::function<bool(const QString &)> &exists) {
    const QDir dir(folder);
    QString name = dir.filePath(QStringLiteral("Orvanta.pdf"));
    for (int n = 2; exists(name); ++n)
        name = dir.filePath(QStringLiteral("Orvanta-%1.pdf").arg(n));
    return name;
}

} // namespace PrintOutput
