#include "ObfMedia.h"

#include "Error.h"
#include "JpegCodec.h"
#include "ObfLimits.h"
#include "Picture.h"
#include "TText.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace ObfMedia {

namespace {

bool IsJpeg(const QByteArray &b) {
    return b.startsWith("\xFF\xD8\xFF");
}

bool IsMetafile(const QByteArray &b, const QString &contentType) {
    if (b.startsWith("\xD7\xCD\xC6\x9A") || b.startsWith(QByteArray("\x01\x00\x09\x00", 4)) ||
        b.startsWith(QByteArray("\x02\x00\x09\x00", 4)))
        return true;
    if (b.size() > 44 && b.mid(40, 4) == " EMF")
        return true;
    return contentType.contains(QLatin1String("wmf")) || contentType.contains(QLatin1String("emf"));
}

void CheckSize(QSize size) {
    if (size.width() > ObfLimits::MaxPictureSide || size.height() > ObfLimits::MaxPictureSide ||
        qint64(size.width()) * size.height() > ObfLimits::MaxPicturePixels)
        throw TError(TText("ObfMedia", "obrázek je příliš velký (%1 × %2 bodů)")
                         .arg(size.width())
                         .arg(size.height()));
}

QSize Fitted(QSize size, int side) {
    if (size.width() <= side && size.height() <= side)
        return size;
    return size.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

bool IsRaster(const QByteArray &b) {
    return b.startsWith("\x89PNG\r\n\x1A\n") || IsJpeg(b) || b.startsWith("GIF87a") ||
           b.startsWith("GIF89a");
}

// May a reference of this element point there? Within the drawing always; an embedded picture
// only when it is a plain raster one (an embedded drawing could reach out in turn).
bool SelfContained(QStringView element, const QString &target) {
    const QString t = target.trimmed();
    if (t.startsWith(QLatin1Char('#')))
        return true;
    if (element != QLatin1String("image"))
        return false;
    const auto uri = DecodeDataUri(t);
    return uri && IsRaster(uri->Bytes);
}

} // namespace

QByteArray SelfContainedSvg(const QByteArray &svg) {
    QXmlStreamReader in(svg);
    QByteArray out;
    QXmlStreamWriter w(&out);
    while (!in.atEnd()) {
        switch (in.readNext()) {
        case QXmlStreamReader::StartDocument:
            w.writeStartDocument();
            break;
        case QXmlStreamReader::EndDocument:
            w.writeEndDocument();
            break;
        case QXmlStreamReader::StartElement: {
            w.writeStartElement(in.namespaceUri().toString(), in.name().toString());
            for (const QXmlStreamNamespaceDeclaration &ns : in.namespaceDeclarations())
                w.writeNamespace(ns.namespaceUri().toString(), ns.prefix().toString());
            for (const QXmlStreamAttribute &a : in.attributes()) {
                if (a.name() == QLatin1String("href") &&
                    !SelfContained(in.name(), a.value().toString()))
                    continue;
                w.writeAttribute(a);
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            w.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (in.isCDATA())
                w.writeCDATA(in.text().toString());
            else
                w.writeCharacters(in.text().toString());
            break;
        default:
            // The document type is left out: its entities were expanded where they were used
            // (and checked there), and it must not bring them back.
            break;
        }
    }
    if (in.hasError())
        throw TError(TText("ObfMedia", "obrázek nelze přečíst: %1").arg(in.errorString()));
    return out;
}

std::optional<TDataUri> DecodeDataUri(const QString &uri) {
    if (!uri.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype comma = uri.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    const QString header = uri.mid(5, comma - 5);
    const QStringList parts = header.split(QLatin1Char(';'));
    TDataUri result;
    result.MediaType = parts.value(0).trimmed().toLower();
    const QByteArray payload = uri.mid(comma + 1).toLatin1();
    if (parts.contains(QLatin1String("base64"), Qt::CaseInsensitive)) {
        const auto decoded = QByteArray::fromBase64Encoding(
            payload, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        result.Bytes = decoded.decoded;
    } else {
        result.Bytes = QByteArray::fromPercentEncoding(payload);
    }
    return result;
}

QString EncodeDataUri(const QString &mediaType, const QByteArray &bytes) {
    return QStringLiteral("data:") + mediaType + QStringLiteral(";base64,") +
           QString::fromLatin1(bytes.toBase64());
}

QByteArray SymbolFromImage(const QByteArray &bytes, const QString &contentType, qint64 &pixelBudget,
                           int side) {
    side = std::clamp(side, 1, ObfLimits::SymbolSide);
    const auto spend = [&](QSize size) {
        const qint64 pixels = qint64(size.width()) * size.height();
        if (pixels > pixelBudget)
            throw TError(TText("ObfMedia", "obrázků je dohromady příliš mnoho"));
        pixelBudget -= pixels;
    };
    if (bytes.isEmpty())
        throw TError(TText("ObfMedia", "obrázek je prázdný"));
    {
        if (IsJpeg(bytes)) {
            QSize size;
            QString error;
            if (!JpegCodec::ReadSize(bytes, &size, &error))
                throw TError(error);
            CheckSize(size);
            spend(size);
            if (Fitted(size, side) == size)
                return TPicture::FromFileBytes(bytes).ToSymbolData();
            const QImage image = JpegCodec::Decode(bytes, &error);
            if (image.isNull())
                throw TError(error);
            return TPicture::FromImageAsJpeg(image.scaled(Fitted(size, side), Qt::IgnoreAspectRatio,
                                                          Qt::SmoothTransformation))
                .ToSymbolData();
        }
        if (IsMetafile(bytes, contentType))
            return TPicture::FromFileBytes(bytes).ToSymbolData();
    }

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // A drawing may name files to draw from; a board from a stranger must not copy the user's
    // own pictures into a key. Compressed drawings cannot be checked and are not taken.
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format == "svgz")
        throw TError(TText("ObfMedia", "obrázek nelze přečíst"));
    if (format == "svg") {
        buffer.close();
        buffer.setData(SelfContainedSvg(bytes));
        buffer.open(QIODevice::ReadOnly);
    }
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        throw TError(TText("ObfMedia", "neznámý druh obrázku (%1)")
                         .arg(contentType.isEmpty() ? QStringLiteral("?") : contentType));
    QSize size = reader.size();
    const bool vector = reader.format() == "svg" || reader.format() == "svgz";
    if (vector) {
        // A drawing has no pixels of its own: it is drawn at the key's size.
        if (!size.isValid() || size.isEmpty())
            size = QSize(side, side);
        size = size.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        reader.setScaledSize(size);
        spend(size);
    } else {
        if (!size.isValid())
            throw TError(TText("ObfMedia", "obrázek nelze přečíst"));
        CheckSize(size);
        spend(size);
        if (Fitted(size, side) != size)
            reader.setScaledSize(Fitted(size, side));
    }
    QImage image = reader.read();
    if (image.isNull())
        throw TError(TText("ObfMedia", "obrázek nelze přečíst: %1").arg(reader.errorString()));
    return TPicture::FromImageAsJpeg(image).ToSymbolData();
}

TBoardImage ImageFromSymbol(const QByteArray &symbolData) {
    const TPicture picture = TPicture::FromSymbolData(symbolData);
    TBoardImage result;
    result.Size = picture.Size();
    if (picture.Kind() == TPicture::gkJpeg) {
        result.Bytes = picture.Bytes();
        result.ContentType = QStringLiteral("image/jpeg");
        result.Suffix = QStringLiteral("jpg");
        result.Exact =
            picture.ToSymbolData() == TPicture::FromFileBytes(picture.Bytes()).ToSymbolData();
        return result;
    }
    QSize size = result.Size;
    if (!size.isValid() || size.isEmpty())
        size = QSize(256, 256);
    size = size.boundedTo(QSize(1024, 1024));
    const QImage image = picture.ToImage(size);
    QBuffer buffer(&result.Bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        throw TError(TText("ObfMedia", "obrázek nelze převést do PNG"));
    result.ContentType = QStringLiteral("image/png");
    result.Suffix = QStringLiteral("png");
    result.Size = image.size();
    return result;
}

QString SoundSuffix(const QByteArray &bytes, const QString &contentType) {
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE")
        return QStringLiteral("wav");
    if (bytes.startsWith("OggS"))
        return QStringLiteral("ogg");
    if (bytes.startsWith("ID3") ||
        (bytes.size() > 1 && uchar(bytes[0]) == 0xFF && (uchar(bytes[1]) & 0xE0) == 0xE0))
        return QStringLiteral("mp3");
    if (contentType.contains(QLatin1String("mpeg")) || contentType.contains(QLatin1String("mp3")))
        return QStringLiteral("mp3");
    if (contentType.contains(QLatin1String("ogg")))
        return QStringLiteral("ogg");
    return QStringLiteral("wav");
}

std::optional<int> SoundDuration(const QByteArray &bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    const auto le32 = [&bytes](qsizetype at) {
        return quint32(uchar(bytes[at])) | quint32(uchar(bytes[at + 1])) << 8 |
               quint32(uchar(bytes[at + 2])) << 16 | quint32(uchar(bytes[at + 3])) << 24;
    };
    quint32 byteRate = 0;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = le32(at + 4);
        const qsizetype body = at + 8;
        const qint64 left = bytes.size() - body;
        if (id == "fmt ") {
            if (size < 16 || left < 16)
                return std::nullopt;
            byteRate = le32(body + 8);
        } else if (id == "data") {
            // A file cut short plays what is there.
            if (byteRate == 0)
                return std::nullopt;
            const qint64 length = std::min(size, left);
            return int((length + byteRate - 1) / byteRate);
        }
        // Chunks are padded to an even length.
        at = body + qsizetype(std::min<qint64>(size + (size & 1), left));
        if (size + (size & 1) > left)
            break;
    }
    return std::nullopt;
}

QString SoundContentType(const QByteArray &bytes) {
    const QString suffix = SoundSuffix(bytes, QString());
    if (suffix == QLatin1String("mp3"))
        return QStringLiteral("audio/mpeg");
    if (suffix == QLatin1String("ogg"))
        return QStringLiteral("audio/ogg");
    return QStringLiteral("audio/wav");
}

} // namespace ObfMedia
