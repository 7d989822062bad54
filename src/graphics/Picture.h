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
// drawing happens lazily, at the first paint; the drawing at the key's size is cached and shared
// by copies.
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

    // True once a metafile was cut short at its work limit while being drawn.
    bool WorkLimited() const;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool on) { FTransparent = on; }

    // The value of the "Symbol.Data" entry: the kind name as a short string, then the data in
    // the kind's own layout (length rules per kind), then any bytes that followed the graphic
    // when it was read (see Trailing). An empty picture gives an empty array.
    QByteArray ToSymbolData() const;
    // Reads a "Symbol.Data" value. An unknown kind name gives an empty picture, and so does a
    // metafile length of 4 or less and a bitmap or JPEG length of 0; damaged data of a known kind
    // (lengths beyond the value, headers we cannot read) throws TPictureError.
    // The icon kind has no length: its extent comes from the icon directory.
    static TPicture FromSymbolData(const QByteArray &data);

    // A file image of a known kind, recognised by its content (then by the file suffix);
    // throws TPictureError with a message when it is not a picture we can read.
    static TPicture FromFileBytes(const QByteArray &bytes, const QString &fileName = QString());
    static TPicture FromFile(const QString &path);
    // `image` compressed to JPEG through libjpeg (used when pasting a picture).
    static TPicture FromImageAsJpeg(const QImage &image, int quality = 90);

    // Bytes found after the graphic inside its "Symbol.Data" value. Drawing ignores them; they are
    // kept so that a record read and written again stays byte-identical.
    const QByteArray &Trailing() const { return FTrailing; }

    bool operator==(const TPicture &other) const {
        return FKind == other.FKind && FBytes == other.FBytes && FTrailing == other.FTrailing;
    }

private:
    struct TCache;
    static TPicture Make(TKind kind, const QByteArray &bytes,
                         const QByteArray &trailing = QByteArray());
    TCache &Cache() const;
    // The decoded image; a JPEG may come out scaled down towards `fit`.
    QImage Decode(QSize fit = QSize()) const;
    void DrawDirect(QPainter &painter, const QRectF &target) const;
    void PlayMetafile(QPainter &painter, const QRectF &target) const;

    TKind FKind = gkNone;
    QByteArray FBytes;
    QByteArray FTrailing;
    bool FTransparent = false;
    mutable std::shared_ptr<TCache> FCache;
};
