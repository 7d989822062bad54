#include "SymbolImage.h"

#include "DialogStrings.h"

#include <QPainter>

TSymbolImage::TSymbolImage(QWidget *parent)
    : QWidget(parent) {
    setAccessibleName(DialogStrings::SymbolName);
    setAccessibleDescription(DialogStrings::NoSymbol);
}

void TSymbolImage::SetPicture(const TPicture &picture) {
    FPicture = picture;
    setAccessibleDescription(FPicture.IsEmpty() ? DialogStrings::NoSymbol
                                                : QString::fromLatin1(FPicture.KindName()));
    update();
}

void TSymbolImage::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (FPicture.IsEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, DialogStrings::NoSymbol);
        return;
    }
    QSize size = FPicture.Size();
    if (!size.isValid() || size.isEmpty())
        size = this->size();
    size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    FPicture.Draw(painter, QRectF(target));
}
