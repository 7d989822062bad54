#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;

// A key's symbol: one graphic of kind bitmap, icon, metafile (WMF or EMF) or JPEG, holding the
// original file bytes so that a record read and written again is byte-identical. Decoding for
// drawing happens lazily and is cached. Copies share the decoded data.
class TPicture {
public:
    enum TKind { gkNone, gkBitmap, gkIcon, gkMetafile, gkJpeg };

    TPicture() = default;

    TKind Kind() const { return FKind; }
    bool IsEmpty() const { return FKind == gkNone || FBytes.isEmpty(); }
    // The complete file image: .bmp, .ico, .jpg, .emf or .wmf (placeable or plain).
    const QByteArray &Bytes() const { return FBytes; }
    bool IsEnhancedMetafile() const;
    // The stored kind name: "TBitmap", "TIcon", "TMetafile", "TJPEGImage"; empty for none.
    QByteArray KindName() const;

    // Natural size in pixels (metafiles: their frame at 96 dpi); empty when unknown.
    QSize Size() const;
    // Draws the graphic stretched into `target`.
    void Draw(QPainter &painter, const QRectF &target) const;
    // The graphic rendered at `size` (its natural size when empty), e.g. for the clipboard.
    QImage ToImage(QSize size = QSize()) const;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool on) { FTransparent = on; }

    // The value of the "Symbol.Data" entry: the kind name as a short string, then the data in
    // the kind's own layout (length rules per kind). An empty picture gives an empty array.
    QByteArray ToSymbolData() const;
    // Reads a "Symbol.Data" value. An unknown kind name gives an empty picture; damaged data of a
    // known kind throws TPictureError.
    static TPicture FromSymbolData(const QByteArray &data);

    // A file image of a known kind, recognised by its content (then by the file suffix);
    // throws TPictureError with a message when it is not a picture we can read.
    static TPicture FromFileBytes(const QByteArray &bytes, const QString &fileName = QString());
    static TPicture FromFile(const QString &path);
    // `image` compressed to JPEG through libjpeg (used when pasting a picture).
    static TPicture FromImageAsJpeg(const QImage &image, int quality = 90);

    bool operator==(const TPicture &other) const
    {
        return FKind == other.FKind && FBytes == other.FBytes;
    }

private:
    TKind FKind = gkNone;
    QByteArray FBytes;
    bool FTransparent = false;
    struct TCache;
    mutable std::shared_ptr<TCache> FCache;
};
