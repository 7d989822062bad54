#pragma once

#include "ScanCost.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

// The first table of a scan-cost report drawn as `render` draws it, each key tinted by its share
// of all the steps (white: none, deep red: the dearest key), with a legend and the totals below.
// The totals are also kept in the picture's text fields ("Chars", "Steps", "Presses",
// "KeySteps": the steps the tinted keys and slots account for), which a PNG stores. Needs a
// QApplication; throws TError on a damaged table.
QImage RenderHeatmap(const QByteArray &tableBytes, const TCostReport &report,
                     const QList<TCostTable> &tables, QSize gridSize = QSize(650, 300));
