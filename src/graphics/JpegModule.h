#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The JPEG module's entries (JpegModule.cpp), one for each function of JpegCodec, with its
// arguments passed by pointer; `error` may be null.
extern "C" {
using TJpegReadSize = bool (*)(const QByteArray *data, QSize *size, QString *error);
using TJpegDecode = void (*)(const QByteArray *data, QString *error, const QSize *fit,
                             QImage *image);
using TJpegEncode = void (*)(const QImage *image, int quality, QString *error, QByteArray *data);
}
inline constexpr char JpegReadSizeSymbol[] = "orvanta_jpeg_read_size";
inline constexpr char JpegDecodeSymbol[] = "orvanta_jpeg_decode";
inline constexpr char JpegEncodeSymbol[] = "orvanta_jpeg_encode";
