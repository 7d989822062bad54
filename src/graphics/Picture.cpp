#include "Picture.h"

#include "ByteReader.h"
#include "GraphicsStrings.h"
#include "JpegCodec.h"
#include "Limits.h"
#include "MetafilePlayer.h"
#include "PictureError.h"
#include "PictureFormats.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace {

using Limits::MaxRenderPixels;

[[noreturn]] void Refuse(const QString &message, const QString &why) {
    throw TPictureError(message.arg(why), why == QLatin1String(PictureFormats::TooLargeMessage)
                                              ? TFault::PictureTooLarge
                                              : TFault::Picture);
}

const QByteArray BitmapName = QByteArrayLiteral("TBitmap");
const QByteArray IconName = QByteArrayLiteral("TIcon");
const QByteArray MetafileName = QByteArrayLiteral("TMetafile");
const QByteArray JpegName = QByteArrayLiteral("TJPEGImage");

// Of the images in an icon file, the largest draws best when stretched onto a key.
QImage DecodeIcon(const QByteArray &bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    QImage best;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull() &&
            qint64(image.width()) * image.height() > qint64(best.width()) * best.height())
            best = image;
    }
    return best;
}

// The classic toolkit's automatic transparency: every pixel of the bottom-left pixel's colour.
QImage MakeTransparent(const QImage &image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, result.height() - 1) | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return result;
}

void Validate(TPicture::TKind kind, const QByteArray &bytes) {
    QString why;
    switch (kind) {
    case TPicture::gkBitmap:
        if (!PictureFormats::CheckBmp(bytes, &why))
            Refuse(GraphicsStrings::InvalidBitmap, why);
        break;
    case TPicture::gkIcon:
        // Icons are small enough to decode at once; the other kinds wait for their first paint.
        if (PictureFormats::IcoExtent(bytes) < 0 || DecodeIcon(bytes).isNull())
            throw TPictureError(GraphicsStrings::InvalidIcon, TFault::Picture);
        break;
    case TPicture::gkJpeg: {
        QSize size;
        if (!JpegCodec::ReadSize(bytes, &size, &why))
            Refuse(GraphicsStrings::InvalidJpeg, why);
        // Refused from the frame header, before anything is decoded.
        if (size.width() > Limits::MaxPictureSide || size.height() > Limits::MaxPictureSide ||
            qint64(size.width()) * size.height() > Limits::MaxJpegPixels)
            Refuse(GraphicsStrings::InvalidJpeg, QLatin1String(PictureFormats::TooLargeMessage));
        break;
    }
    case TPicture::gkMetafile:
        if (!TMetafilePlayer::Check(bytes, &why))
            Refuse(GraphicsStrings::InvalidMetafile, why);
        break;
    case TPicture::gkNone:
        break;
    }
}

void AppendU32(QByteArray &out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

struct TPicture::TCache {
    bool SizeDone = false;
    QSize Size;
    // The last drawing at device size. Repainting a key blits it, and the full decoded image is
    // not kept: a table of large photographs would otherwise hold them all in memory.
    QImage Render;
    QSize RenderSize;
    qreal RenderRatio = 0;
    bool RenderTransparent = false;
    bool RenderSmooth = false;
    // The metafile stopped at its work limit; said once, not on every paint.
    bool WorkLimited = false;
};

TPicture TPicture::Make(TKind kind, const QByteArray &bytes, const QByteArray &trailing) {
    TPicture picture;
    picture.FKind = kind;
    picture.FBytes = bytes;
    picture.FTrailing = trailing;
    // Made here, so every copy of this picture shares one cache.
    picture.FCache = std::make_shared<TCache>();
    return picture;
}

TPicture::TCache &TPicture::Cache() const {
    if (!FCache)
        FCache = std::make_shared<TCache>();
    return *FCache;
}

QImage TPicture::Decode(QSize fit) const {
    switch (FKind) {
    case gkBitmap:
        return PictureFormats::DecodeBmp(FBytes);
    case gkIcon:
        return DecodeIcon(FBytes);
    case gkJpeg:
        return JpegCodec::Decode(FBytes, nullptr, fit);
    default:
        return QImage();
    }
}

bool TPicture::IsEnhancedMetafile() const {
    return FKind == gkMetafile && TMetafilePlayer::IsEnhanced(FBytes);
}

QByteArray TPicture::KindName() const {
    switch (FKind) {
    case gkBitmap:
        return BitmapName;
    case gkIcon:
        return IconName;
    case gkMetafile:
        return MetafileName;
    case gkJpeg:
        return JpegName;
    case gkNone:
        break;
    }
    return QByteArray();
}

QSize TPicture::Size() const {
    if (IsEmpty())
        return QSize();
    TCache &cache = Cache();
    if (!cache.SizeDone) {
        cache.SizeDone = true;
        switch (FKind) {
        case gkBitmap:
            PictureFormats::CheckBmp(FBytes, nullptr, &cache.Size);
            break;
        case gkJpeg:
            JpegCodec::ReadSize(FBytes, &cache.Size, nullptr);
            break;
        case gkIcon:
            cache.Size = Decode().size();
            break;
        case gkMetafile:
            cache.Size = TMetafilePlayer::Size(FBytes);
            break;
        case gkNone:
            break;
        }
    }
    return cache.Size;
}

void TPicture::PlayMetafile(QPainter &painter, const QRectF &target) const {
    if (TMetafilePlayer::Play(painter, target, FBytes))
        return;
    TCache &cache = Cache();
    if (!cache.WorkLimited)
        qWarning("%s", qPrintable(GraphicsStrings::MetafileWorkLimit));
    cache.WorkLimited = true;
}

bool TPicture::WorkLimited() const {
    return FCache && FCache->WorkLimited;
}

void TPicture::DrawDirect(QPainter &painter, const QRectF &target) const {
    if (FKind == gkMetafile) {
        PlayMetafile(painter, target);
        return;
    }
    QImage image = Decode();
    if (image.isNull())
        return;
    if (FTransparent && FKind == gkBitmap)
        image = MakeTransparent(image);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

void TPicture::Draw(QPainter &painter, const QRectF &target) const {
    if (IsEmpty() || target.isEmpty())
        return;
    // Nothing that far out can be seen, and rounding it to whole pixels would overflow.
    constexpr qreal far = 1 << 30;
    if (!(std::abs(target.left()) < far && std::abs(target.top()) < far && target.width() < far &&
          target.height() < far))
        return;
    // Only plain pixel-aligned drawing is cached; rotated, scaled or fractional targets (printing,
    // say) are drawn afresh.
    const QRect pixels = target.toRect();
    if (QRectF(pixels) != target || painter.worldTransform().type() > QTransform::TxTranslate ||
        !painter.device()) {
        DrawDirect(painter, target);
        return;
    }
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize size = (QSizeF(pixels.size()) * ratio).toSize();
    const bool transparent = FTransparent && FKind == gkBitmap;
    const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
    TCache &cache = Cache();
    if (cache.RenderSize != size || cache.RenderRatio != ratio ||
        cache.RenderTransparent != transparent || cache.RenderSmooth != smooth) {
        cache.Render = QImage();
        if (qint64(size.width()) * size.height() > MaxRenderPixels) {
            DrawDirect(painter, target);
            return;
        }
        if (FKind == gkMetafile) {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            if (image.isNull())
                return;
            image.fill(Qt::transparent);
            QPainter player(&image);
            player.setRenderHint(QPainter::Antialiasing, smooth);
            PlayMetafile(player, QRectF(QPointF(0, 0), size));
            player.end();
            cache.Render = image;
        } else {
            QImage image = Decode(size);
            if (!image.isNull()) {
                if (transparent)
                    image = MakeTransparent(image);
                cache.Render = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
        }
        cache.Render.setDevicePixelRatio(ratio);
        cache.RenderSize = size;
        cache.RenderRatio = ratio;
        cache.RenderTransparent = transparent;
        cache.RenderSmooth = smooth;
    }
    if (!cache.Render.isNull())
        painter.drawImage(pixels.topLeft(), cache.Render);
}

QImage TPicture::ToImage(QSize size) const {
    if (IsEmpty())
        return QImage();
    if (FKind != gkMetafile) {
        const QImage image = Decode();
        if (image.isNull() || !size.isValid() || size.isEmpty() || size == image.size())
            return image;
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (size.isEmpty())
        size = Size();
    if (size.isEmpty())
        return QImage();
    if (qint64(size.width()) * size.height() > MaxRenderPixels)
        size.scale(4096, 4096, Qt::KeepAspectRatio);
    // Metafiles are laid on white: most programs that take pictures from the clipboard ignore
    // transparency and would show black.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    PlayMetafile(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return image;
}

QByteArray TPicture::ToSymbolData() const {
    if (IsEmpty())
        return QByteArray();
    const QByteArray name = KindName();
    QByteArray out;
    out.reserve(1 + name.size() + 4 + FBytes.size() + FTrailing.size());
    out.append(char(name.size()));
    out.append(name);
    switch (FKind) {
    case gkBitmap:
    case gkJpeg:
        AppendU32(out, std::uint32_t(FBytes.size()));
        break;
    case gkMetafile:
        AppendU32(out, std::uint32_t(FBytes.size() + 4)); // the length counts itself
        break;
    default:
        break;
    }
    out.append(FBytes);
    out.append(FTrailing);
    return out;
}

TPicture TPicture::FromSymbolData(const QByteArray &data) {
    TByteReader r(data);
    const int nameLength = r.U8();
    if (r.Failed() || !r.Has(nameLength))
        throw TPictureError(GraphicsStrings::SymbolDataTruncated);
    const QByteArray name = r.Bytes(nameLength);

    TKind kind = gkNone;
    if (name == BitmapName)
        kind = gkBitmap;
    else if (name == IconName)
        kind = gkIcon;
    else if (name == MetafileName)
        kind = gkMetafile;
    else if (name == JpegName)
        kind = gkJpeg;
    else
        return TPicture(); // a graphic class we do not know: the symbol stays empty

    qsizetype length = 0;
    if (kind == gkIcon) {
        length = PictureFormats::IcoExtent(QByteArrayView(r.Current(), r.Remaining()));
        if (length < 0)
            throw TPictureError(GraphicsStrings::InvalidIcon);
    } else {
        if (!r.Has(4))
            throw TPictureError(GraphicsStrings::SymbolDataTruncated);
        const qint64 stored = r.I32();
        length = kind == gkMetafile ? stored - 4 : stored;
        if (kind == gkMetafile && stored <= 4)
            return TPicture();
        if (length < 0)
            throw TPictureError(GraphicsStrings::SymbolDataTruncated);
        if (length == 0)
            return TPicture();
        if (!r.Has(length))
            throw TPictureError(GraphicsStrings::SymbolDataTruncated);
    }
    const QByteArray bytes = r.Bytes(length);
    Validate(kind, bytes);
    return Make(kind, bytes, r.Bytes(r.Remaining()));
}

TPicture TPicture::FromFileBytes(const QByteArray &bytes, const QString &fileName) {
    TKind kind = gkNone;
    QByteArray image = bytes;
    if (PictureFormats::IsBmp(bytes)) {
        kind = gkBitmap;
    } else if (PictureFormats::IsIco(bytes)) {
        const qsizetype extent = PictureFormats::IcoExtent(bytes);
        if (extent < 0)
            throw TPictureError(GraphicsStrings::InvalidIcon);
        image = bytes.first(extent);
        kind = gkIcon;
    } else if (PictureFormats::IsJpeg(bytes)) {
        kind = gkJpeg;
    } else if (PictureFormats::IsEmf(bytes) || PictureFormats::IsPlaceableWmf(bytes) ||
               PictureFormats::IsPlainWmf(bytes) ||
               QFileInfo(fileName).suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) ==
                   0) {
        kind = gkMetafile;
    } else {
        throw TPictureError(GraphicsStrings::UnknownPicture.arg(QFileInfo(fileName).fileName()));
    }
    Validate(kind, image);
    return Make(kind, image);
}

TPicture TPicture::FromFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > Limits::MaxPictureFile)
        throw TPictureError(GraphicsStrings::CannotReadPicture.arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TPictureError(GraphicsStrings::CannotReadPicture.arg(path));
    return FromFileBytes(bytes, path);
}

TPicture TPicture::FromImageAsJpeg(const QImage &image, int quality) {
    QString why;
    const QByteArray bytes = JpegCodec::Encode(image, quality, &why);
    if (bytes.isEmpty())
        throw TPictureError(GraphicsStrings::CannotCompress.arg(why));
    return Make(gkJpeg, bytes);
}
