// The JPEG module: libjpeg, loaded by the program only when a JPEG picture is first read or
// written. It is linked with its own symbols bound inside it, so the calls below reach this copy
// of the codec, not the program's stand-in.
#include "JpegModule.h"
#include "JpegCodec.h"

#include <new>

namespace {

void OutOfMemory(QString *error) {
    if (error)
        *error = QStringLiteral("out of memory");
}

} // namespace

extern "C" Q_DECL_EXPORT bool orvanta_jpeg_read_size(const QByteArray *data, QSize *size,
                                                     QString *error) {
    try {
        return JpegCodec::ReadSize(*data, size, error);
    } catch (const std::bad_alloc &) {
        OutOfMemory(error);
    }
    return false;
}

extern "C" Q_DECL_EXPORT void orvanta_jpeg_decode(const QByteArray *data, QString *error,
                                                  const QSize *fit, QImage *image) {
    try {
        *image = JpegCodec::Decode(*data, error, *fit);
    } catch (const std::bad_alloc &) {
        OutOfMemory(error);
    }
}

extern "C" Q_DECL_EXPORT void orvanta_jpeg_encode(const QImage *image, int quality, QString *error,
                                                  QByteArray *data) {
    try {
        *data = JpegCodec::Encode(*image, quality, error);
    } catch (const std::bad_alloc &) {
        OutOfMemory(error);
    }
}
