#include "KbtRender.h"

#include "CellRect.h"
#include "ComponentReader.h"
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
        // One line per distinct position inside the picture, however many columns share it.
        for (int x : GridLinePositions(w, FCol, 0, w - 1))
            painter.drawLine(x, 0, x, h - 1);
        painter.drawLine(w - 1, 0, w - 1, h - 1);
        for (int y : GridLinePositions(h, FRow, 0, h - 1))
            painter.drawLine(0, y, w - 1, y);
        painter.drawLine(0, h - 1, w - 1, h - 1);
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
    TTableReadResult r = ReadTableFile(&buffer);
    const bool scanning = r.Table.Scanning();
    TGridSurface grid(scanning ? r.Table.nCol : 0, scanning ? r.Table.nRow : 0);
    grid.resize(gridSize);
    // The reader refuses cells outside the grid, so every key has its place.
    ReadKeys(r, bytes, [&](TComponentReader &record, const TTableKey &k, int) {
        TVxKey *key = TVxKey::CreateFromStream(&grid, record).release();
        if (scanning)
            key->setGeometry(
                TKeyAuthor::KeyRectInCell(gridSize, r.Table.nCol, r.Table.nRow, k.Col, k.Row));
    });
    if (!r.Ok())
        throw TError(r.Error);
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
