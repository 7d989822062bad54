#pragma once

#include <QByteArrayView>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <optional>

class QPainter;

// Windows metafiles (16-bit records), with or without the placeable header.
class TWmfPlayer {
public:
    struct THeader {
        bool Placeable = false;
        QRect Bounds; // placeable: the picture's box in logical units
        int UnitsPerInch = 0;
        qsizetype RecordsStart = 0;
        int Objects = 0;
    };
    static std::optional<THeader> ReadHeader(QByteArrayView bytes);
    // Natural size in pixels at 96 dpi; plain metafiles count 1440 window units per inch.
    static QSize Size(QByteArrayView bytes);
    // False when the picture was cut short at its work limit.
    static bool Play(QPainter &painter, const QRectF &target, QByteArrayView bytes);
};
