#pragma once

#include "ObfLimits.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

// Pictures and sounds between boards and keys.
namespace ObfMedia {

struct TDataUri {
    QString MediaType;
    QByteArray Bytes;
};
// "data:[type][;base64],..." (base64 or percent-encoded); nothing when it is no data URI.
std::optional<TDataUri> DecodeDataUri(const QString &uri);
QString EncodeDataUri(const QString &mediaType, const QByteArray &bytes);

// A picture file of a board (PNG, JPEG, GIF, SVG, WebP, BMP, WMF, EMF, ...) as the "Symbol.Data"
// of a key: a JPEG is kept as it is, a metafile too, any other picture is drawn and stored as a
// JPEG no larger than the key needs. Throws TError when the picture cannot be read or is larger
// than the limits allow (checked from its header, before it is decoded).
// `pixelBudget` counts down the pixels all pictures of an import may decode together; a picture
// beyond it is refused. A drawn picture is no larger than `side` either way (at most
// ObfLimits::SymbolSide).
QByteArray SymbolFromImage(const QByteArray &bytes, const QString &contentType, qint64 &pixelBudget,
                           int side = ObfLimits::SymbolSide);

// The drawing without any reference out of it: links to other files or addresses are dropped,
// and an embedded picture is kept only when it is a PNG, JPEG or GIF. Throws TError when the
// drawing is no well-formed XML.
QByteArray SelfContainedSvg(const QByteArray &svg);

// A key's picture for a board: a JPEG as it is, anything else drawn as PNG. `Exact` says whether
// importing the picture gives the same symbol data again.
struct TBoardImage {
    QByteArray Bytes;
    QString ContentType;
    QString Suffix;
    QSize Size;
    bool Exact = false;
};
// Throws TError when the symbol data is damaged.
TBoardImage ImageFromSymbol(const QByteArray &symbolData);

// The file suffix ("wav", "mp3", "ogg") and MIME type of sound bytes, by content first.
QString SoundSuffix(const QByteArray &bytes, const QString &contentType);
QString SoundContentType(const QByteArray &bytes);

// How long a sound plays, in whole seconds rounded up, from the header of a WAVE file (its
// "fmt " byte rate and its "data" size, no more than the bytes there are); nothing when the
// bytes are no WAVE file or their header is damaged.
std::optional<int> SoundDuration(const QByteArray &bytes);

} // namespace ObfMedia
