#include "SymbolImport.h"

#include "GraphicsStrings.h"
#include "PictureError.h"
#include "PictureFormats.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A symbol file larger than this is no picture for a key.
constexpr qint64 kMaxFileSize = qint64(64) << 20;
// Vector images are rendered with their longer side this many pixels: sharp on any key.
constexpr int kVectorSide = 512;

bool HasSuffix(const QString &fileName, const char *suffix) {
    return QFileInfo(fileName).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

bool IsMetafileContent(const QByteArray &bytes) {
    return PictureFormats::IsEmf(bytes) || PictureFormats::IsPlaceableWmf(bytes);
}

QImage ReadImage(const QByteArray &bytes, const QString &fileName) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    if (reader.format() == "svg" || reader.format() == "svgz") {
        QSize target = natural.isValid() && !natural.isEmpty() ? natural : QSize(1, 1);
        target.scale(kVectorSide, kVectorSide, Qt::KeepAspectRatio);
        reader.setScaledSize(target);
    }
    QImage image = reader.read();
    if (image.isNull())
        throw TPictureError(GraphicsStrings::UnknownPicture.arg(QFileInfo(fileName).fileName()));
    return image;
}

} // namespace

TPicture ImportSymbolBytes(const QByteArray &bytes, const QString &fileName) {
    if (IsMetafileContent(bytes))
        return TPicture::FromFileBytes(bytes, fileName);
    if (PictureFormats::IsJpeg(bytes))
        return TPicture::FromFileBytes(bytes, fileName);
    // A plain .wmf has no signature of its own; the name tells. Should it not play, the file may
    // still be an image under the wrong name.
    if (HasSuffix(fileName, "wmf") || HasSuffix(fileName, "emf")) {
        try {
            const TPicture picture = TPicture::FromFileBytes(bytes, fileName);
            if (picture.Kind() == TPicture::gkMetafile)
                return picture;
        } catch (const TPictureError &metafileError) {
            try {
                return TPicture::FromImageAsJpeg(ReadImage(bytes, fileName));
            } catch (const TPictureError &) {
                throw metafileError;
            }
        }
    }
    return TPicture::FromImageAsJpeg(ReadImage(bytes, fileName));
}

TPicture ImportSymbolFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        throw TPictureError(GraphicsStrings::CannotReadPicture.arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TPictureError(GraphicsStrings::CannotReadPicture.arg(path));
    return ImportSymbolBytes(bytes, path);
}
