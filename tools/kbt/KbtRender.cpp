#include "KbtRender.h"

#include "Error.h"
#include "KbtAuthoring.h"
#include "TableFormat.h"
#include "VxKey.h"

#include <QBuffer>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The grid's background and lines, painted as the scanning grid paints them.
class TGridSurface : public QWidget {
public:
    TGridSurface(int nCol, int nRow)
        : FCol(nCol)
        , FRow(nRow) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
        if (FCol <= 0 || FRow <= 0)
            return;
        painter.setPen(QColor(0x80, 0x80, 0x80));
        const int w = width();
        const int h = height();
        for (int c = 0; c <= FCol; ++c) {
            const int x = c < FCol ? int(double(c) * w / FCol) : w - 1;
            painter.drawLine(x, 0, x, h - 1);
        }
        for (int r = 0; r <= FRow; ++r) {
            const int y = r < FRow ? int(double(r) * h / FRow) : h - 1;
            painter.drawLine(0, y, w - 1, y);
        }
    }

private:
    int FCol;
    int FRow;
};

} // namespace

QImage RenderTable(const QByteArray &bytes, QSize gridSize) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const TTableReadResult r = ReadTableFile(&buffer);
    if (!r.Ok())
        throw TError(r.Error);
    const bool scanning = r.Table.Scanning();
    TGridSurface grid(scanning ? r.Table.nCol : 0, scanning ? r.Table.nRow : 0);
    grid.resize(gridSize);
    for (const TTableKey &k : r.Table.Keys) {
        QBuffer record;
        record.setData(k.Record);
        record.open(QIODevice::ReadOnly);
        TVxKey *key = TVxKey::CreateFromStream(&grid, &record).release();
        if (scanning) {
            if (k.Col < 0 || k.Row < 0 || k.Col >= r.Table.nCol || k.Row >= r.Table.nRow)
                key->hide(); // the grid shows no key outside its cells
            else
                key->setGeometry(
                    TKeyAuthor::KeyRectInCell(gridSize, r.Table.nCol, r.Table.nRow, k.Col, k.Row));
        }
    }
    return grid.grab().toImage();
}

QImage RenderKeys(const QByteArray &bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const TTableReadResult r = ReadKeyFile(&buffer);
    if (!r.Ok())
        throw TError(r.Error);
    constexpr int Gap = 5;
    constexpr int MaxSide = 4096; // a damaged size must not make an endless picture
    TGridSurface row(0, 0);
    int x = Gap;
    int height = 0;
    for (const TTableKey &k : r.Table.Keys) {
        QBuffer record;
        record.setData(k.Record);
        record.open(QIODevice::ReadOnly);
        TVxKey *key = TVxKey::CreateFromStream(&row, &record).release();
        const int w = std::clamp(key->Width(), 1, MaxSide);
        const int h = std::clamp(key->Height(), 1, MaxSide);
        if (x + w > 8 * MaxSide) {
            key->hide();
            continue;
        }
        key->setGeometry(x, Gap, w, h);
        x += w + Gap;
        height = std::max(height, h);
    }
    row.resize(std::max(x, 2 * Gap), height + 2 * Gap);
    return row.grab().toImage();
}
