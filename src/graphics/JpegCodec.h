#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// JPEG through libjpeg. Corrupt data ends in an error message, never in the library's exit().
namespace JpegCodec {

// Reads the headers only: the picture's size, or false and a message.
bool ReadSize(const QByteArray &data, QSize *size, QString *error);
// The decoded picture, or a null image and a message. With `fit`, a large picture may come out
// scaled down by a power of two, never below `fit`.
QImage Decode(const QByteArray &data, QString *error, QSize fit = QSize());
// Baseline JPEG of `image` (alpha is composed onto white); empty with a message on failure.
QByteArray Encode(const QImage &image, int quality, QString *error);

} // namespace JpegCodec
