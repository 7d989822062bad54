#pragma once

#include <QByteArrayView>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <optional>

class QPainter;

// Enhanced metafiles (32-bit records).
class TEmfPlayer {
public:
    struct THeader {
        QRect Bounds;      // device units, inclusive
        QRect Frame;       // hundredths of a millimetre, inclusive
        QSize Device;      // reference device in pixels
        QSize Millimeters; // reference device in millimetres
        int Handles = 0;
        qsizetype Size = 0; // of the header record
    };
    static std::optional<THeader> ReadHeader(QByteArrayView bytes);
    // Natural size in pixels at 96 dpi, from the frame.
    static QSize Size(QByteArrayView bytes);
    // False when the picture was cut short at its work limit.
    static bool Play(QPainter &painter, const QRectF &target, QByteArrayView bytes);
};
