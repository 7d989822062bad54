// The program's JPEG codec: the JPEG module's, loaded on the first JPEG picture read or written.
#include "GraphicsStrings.h"
#include "JpegCodec.h"
#include "JpegModule.h"
#include "Modules.h"

namespace JpegCodec {

namespace {

struct TJpegModule {
    TJpegReadSize ReadSize = nullptr;
    TJpegDecode Decode = nullptr;
    TJpegEncode Encode = nullptr;
    QString Error;
};

// Loaded once and kept to the end of the program.
const TJpegModule &Module() {
    static const TJpegModule module = [] {
        const TModuleEntries m =
            LoadModule(QStringLiteral("orvanta-jpeg.so"),
                       {JpegReadSizeSymbol, JpegDecodeSymbol, JpegEncodeSymbol});
        return TJpegModule{m.At<TJpegReadSize>(0), m.At<TJpegDecode>(1), m.At<TJpegEncode>(2),
                           m.Loaded() ? QString() : GraphicsStrings::JpegUnavailable.arg(m.Error)};
    }();
    return module;
}

bool Unavailable(QString *error) {
    if (!Module().ReadSize) {
        if (error)
            *error = Module().Error;
        return true;
    }
    return false;
}

} // namespace

bool ReadSize(const QByteArray &data, QSize *size, QString *error) {
    return !Unavailable(error) && Module().ReadSize(&data, size, error);
}

QImage Decode(const QByteArray &data, QString *error, QSize fit) {
    QImage image;
    if (!Unavailable(error))
        Module().Decode(&data, error, &fit, &image);
    return image;
}

QByteArray Encode(const QImage &image, int quality, QString *error) {
    QByteArray data;
    if (!Unavailable(error))
        Module().Encode(&image, quality, error, &data);
    return data;
}

} // namespace JpegCodec
