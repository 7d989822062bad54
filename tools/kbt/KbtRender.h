#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// A table as the main window shows it: a scanning table's keys laid out in the cells of a grid
// of `gridSize` (with the grid lines), a free table's keys at their own places. For looking at
// tables without starting the program. Needs a QApplication; throws TError on a damaged file.
QImage RenderTable(const QByteArray &bytes, QSize gridSize);

// The keys of a key file side by side in one row, each at its own recorded size, 5 pixels apart.
QImage RenderKeys(const QByteArray &bytes);
