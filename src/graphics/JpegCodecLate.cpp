// The program's JPEG codec: the JPEG module's, loaded on the first JPEG picture read or written.
#include "GraphicsStrings.h"
#include "JpegCodec.h"
#include "JpegModule.h"
#include "Modules.h"

#include <QLibrary>

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
        TJpegModule m;
        QLibrary library(ModuleFile(QStringLiteral("orvanta-jpeg.so")));
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        m.ReadSize = reinterpret_cast<TJpegReadSize>(library.resolve(JpegReadSizeSymbol));
        m.Decode = reinterpret_cast<TJpegDecode>(library.resolve(JpegDecodeSymbol));
        m.Encode = reinterpret_cast<TJpegEncode>(library.resolve(JpegEncodeSymbol));
        if (!m.ReadSize || !m.Decode || !m.Encode) {
            m.ReadSize = nullptr;
            m.Error = GraphicsStrings::JpegUnavailable.arg(library.errorString());
        }
        return m;
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
