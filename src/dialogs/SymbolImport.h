#pragma once

#include "Picture.h"

#include <QByteArray>
#include <QString>

// A picture file turned into a key's symbol. Metafiles (.wmf, .emf) stay metafiles; JPEG files
// keep their own bytes; every other image Qt can read (BMP, PNG, GIF, ICO, SVG rendered, ...)
// is compressed to JPEG through libjpeg, the form key records keep photographs and bitmaps in.
// Throws TPictureError with a message for the user when the file is no picture we can use.
TPicture ImportSymbolFile(const QString &path);
TPicture ImportSymbolBytes(const QByteArray &bytes, const QString &fileName);
