#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>

// The pictures of the bundled keyboards: simple flat drawings with strong outlines that stay
// readable at the 60 or so pixels a key gives its symbol. Drawn with QPainter on white (the
// face of an ordinary key, or the face colour of the key the picture is meant for), without any
// text, so no font is involved.
namespace SymbolArt {

QStringList SymbolNames();
// The named picture, `size` pixels square; a null image for an unknown name.
QImage Draw(const QString &name, int size = 128, const QColor &background = Qt::white);

} // namespace SymbolArt
