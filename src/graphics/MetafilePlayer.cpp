#include "MetafilePlayer.h"

#include "EmfPlayer.h"
#include "PictureFormats.h"
#include "WmfPlayer.h"

bool TMetafilePlayer::Check(const QByteArray &bytes, QString *error) {
    if (PictureFormats::IsEmf(bytes) ? TEmfPlayer::ReadHeader(bytes).has_value()
                                     : TWmfPlayer::ReadHeader(bytes).has_value())
        return true;
    if (error)
        *error = QStringLiteral("metafile header is not valid");
    return false;
}

bool TMetafilePlayer::IsEnhanced(const QByteArray &bytes) {
    return PictureFormats::IsEmf(bytes);
}

QSize TMetafilePlayer::Size(const QByteArray &bytes) {
    return PictureFormats::IsEmf(bytes) ? TEmfPlayer::Size(bytes) : TWmfPlayer::Size(bytes);
}

bool TMetafilePlayer::Play(QPainter &painter, const QRectF &target, const QByteArray &bytes) {
    if (target.isEmpty())
        return true;
    if (PictureFormats::IsEmf(bytes))
        return TEmfPlayer::Play(painter, target, bytes);
    return TWmfPlayer::Play(painter, target, bytes);
}
