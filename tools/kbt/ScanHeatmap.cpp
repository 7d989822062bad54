#include "ScanHeatmap.h"

#include "CellRect.h"
#include "KbtRender.h"

#include <QPainter>
#include <algorithm>

namespace {

QColor Tint(double share) {
    // From white to deep red, lightness falling with the share.
    return QColor::fromHsvF(0.0, std::clamp(share, 0.0, 1.0), 1.0 - 0.35 * share);
}

} // namespace

QImage RenderHeatmap(const QByteArray &tableBytes, const TCostReport &report,
                     const QList<TCostTable> &tables, QSize gridSize) {
    const TCostTable &table = tables.first();
    const bool hasSlots =
        std::any_of(table.Keys.cbegin(), table.Keys.cend(),
                    [](const TCostKey &k) { return k.Kind == TCostKeyKind::Slot; });
    // The slot row is drawn above the keys as a row of its own.
    const int slotHeight = hasSlots ? gridSize.height() / std::max(1, table.nRow - 1) : 0;
    const QImage keys = RenderTable(tableBytes, gridSize);
    qint64 maxSteps = 1;
    qint64 keySteps = 0;
    for (const TKeyUse &use : report.Keys) {
        if (use.Table != 0)
            continue;
        maxSteps = std::max(maxSteps, use.Steps);
        keySteps += use.Steps;
    }
    const int legend = 74;
    QImage image(gridSize.width(), slotHeight + gridSize.height() + legend, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawImage(0, slotHeight, keys);
    const int rows = table.nRow - (hasSlots ? 1 : 0);
    QFont small = p.font();
    small.setPixelSize(11);
    for (const TKeyUse &use : report.Keys) {
        if (use.Table != 0)
            continue;
        const TCostKey &key = table.Keys[use.Key];
        const double share = double(use.Steps) / double(maxSteps);
        QRect r;
        if (key.Kind == TCostKeyKind::Slot) {
            r = CellRect(key.Col, 0, gridSize.width(), slotHeight, table.nCol, 1).ToQRect();
            p.fillRect(r.adjusted(1, 1, -1, -1), QColor(0xE0, 0xE0, 0xE0));
            p.setPen(Qt::black);
            p.setFont(small);
            p.drawText(r, Qt::AlignCenter, key.Label);
        } else {
            r = CellRect(key.Col, key.Row - (hasSlots ? 1 : 0), gridSize.width(), gridSize.height(),
                         table.nCol, rows)
                    .ToQRect()
                    .translated(0, slotHeight);
        }
        QColor c = Tint(share);
        c.setAlpha(use.Steps ? 150 : 0);
        p.fillRect(r, c);
        if (use.Steps && report.Steps) {
            p.setPen(Qt::black);
            p.setFont(small);
            p.drawText(r.adjusted(3, 2, -3, -2), Qt::AlignRight | Qt::AlignBottom,
                       QStringLiteral("%1 %").arg(100.0 * double(use.Steps) / double(report.Steps),
                                                  0, 'f', 1));
        }
    }
    // The legend: the scale, then the totals.
    const int top = slotHeight + gridSize.height() + 8;
    const int barWidth = std::min(200, gridSize.width() / 3);
    for (int x = 0; x < barWidth; ++x)
        p.fillRect(10 + x, top, 1, 14, Tint(double(x) / double(barWidth - 1)));
    p.setPen(Qt::black);
    p.setFont(small);
    p.drawRect(10, top, barWidth, 14);
    p.drawText(10, top + 28, QStringLiteral("0 %"));
    const QString high =
        QStringLiteral("%1 % of the steps")
            .arg(report.Steps ? 100.0 * double(maxSteps) / double(report.Steps) : 0.0, 0, 'f', 1);
    p.drawText(QRect(10, top + 16, barWidth, 14), Qt::AlignRight, high);
    QFont bold = small;
    bold.setPixelSize(12);
    bold.setBold(true);
    p.setFont(bold);
    const QString totals = QStringLiteral("%1 characters, %2 steps, %3 presses")
                               .arg(report.Chars)
                               .arg(report.Steps)
                               .arg(report.Presses);
    const QString per = QStringLiteral("%1 steps, %2 presses, %3 s per character (%4 ms step)")
                            .arg(report.StepsPerChar(), 0, 'f', 2)
                            .arg(report.PressesPerChar(), 0, 'f', 2)
                            .arg(report.SecondsPerChar(), 0, 'f', 2)
                            .arg(report.StepMs);
    const int x = barWidth + 30;
    p.drawText(x, top + 10, totals);
    p.setFont(small);
    p.drawText(x, top + 28, per);
    if (keySteps != report.Steps)
        p.drawText(x, top + 46,
                   QStringLiteral("%1 steps in linked tables").arg(report.Steps - keySteps));
    p.end();
    image.setText(QStringLiteral("Chars"), QString::number(report.Chars));
    image.setText(QStringLiteral("Steps"), QString::number(report.Steps));
    image.setText(QStringLiteral("Presses"), QString::number(report.Presses));
    image.setText(QStringLiteral("KeySteps"), QString::number(keySteps));
    return image;
}
