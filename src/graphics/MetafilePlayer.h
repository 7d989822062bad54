#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// Plays the file image of a metafile (EMF, placeable WMF or plain WMF) with QPainter. Records we
// do not draw are skipped by their size; damaged records draw what they can.
class TMetafilePlayer {
public:
    // True when the bytes begin like a metafile we can play; otherwise false and a message.
    static bool Check(const QByteArray &bytes, QString *error);
    static bool IsEnhanced(const QByteArray &bytes);
    // Natural size in pixels at 96 dpi; empty when the picture does not tell.
    static QSize Size(const QByteArray &bytes);
    // Maps the picture's frame (EMF), box (placeable WMF) or window (plain WMF) onto `target`,
    // clipped to it. False when the picture did more work than one metafile may (see Limits) and
    // was drawn only up to that point.
    static bool Play(QPainter &painter, const QRectF &target, const QByteArray &bytes);
};
