#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

// Recognising and checking the file images a symbol can hold, and decoding bitmaps (whole .bmp
// files and the device-independent bitmaps inside metafile records). Every check stays inside
// the given bytes and refuses sizes that the data cannot back.
namespace PictureFormats {

bool IsBmp(QByteArrayView data);
bool IsIco(QByteArrayView data);
bool IsJpeg(QByteArrayView data);
bool IsEmf(QByteArrayView data);
bool IsPlaceableWmf(QByteArrayView data);
bool IsPlainWmf(QByteArrayView data);

// Length of the icon file image at the start of `data`, from its directory (the end of the
// furthest image); -1 when the directory is damaged or an image lies beyond `data`.
qsizetype IcoExtent(QByteArrayView data);

// The reason given for a picture whose header asks for more than the limits allow.
inline constexpr const char *TooLargeMessage = "the picture is larger than allowed";

// Checks a .bmp file image: header, dimensions and that the pixel data is all there.
bool CheckBmp(QByteArrayView file, QString *error, QSize *size = nullptr);
QImage DecodeBmp(QByteArrayView file);

// A device-independent bitmap from its header (with colour table) and its pixel bits; a null
// image when damaged.
QImage DecodeDib(QByteArrayView info, QByteArrayView bits);
// A packed bitmap: header, colour table and bits in one block.
QImage DecodePackedDib(QByteArrayView dib);
// True when the bitmap is stored bottom-up (positive height), so source rows count from below.
bool DibIsBottomUp(QByteArrayView info);

} // namespace PictureFormats
