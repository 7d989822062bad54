#include "ColorField.h"

#include "ColorMap.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace {

// The inset of the colour inside a button, and the size of a sunken field.
constexpr int kButtonInset = 5;
constexpr QSize kButtonSize(60, 22);
constexpr QSize kFieldSize(52, 17);

} // namespace

TColorField::TColorField(TTrigger trigger, const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent)
    , FTrigger(trigger) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(accessibleName);
    if (trigger == TTrigger::Click) {
        setSizePolicy(
            QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed, QSizePolicy::PushButton));
        connect(this, &QAbstractButton::clicked, this, [this] { emit ColorRequested(this); });
    } else {
        setFixedSize(kFieldSize);
    }
    Describe();
}

QSize TColorField::sizeHint() const {
    return FTrigger == TTrigger::Click ? kButtonSize : kFieldSize;
}

QColor TColorField::Shown() const {
    return ToQColor(FColor, palette(), palette().color(QPalette::Button));
}

void TColorField::SetColor(std::uint32_t color) {
    FColor = color;
    Describe();
    update();
}

void TColorField::Describe() {
    // As a colour dialog would show it; a field with no colour says nothing more.
    const QColor shown = Shown();
    setAccessibleDescription(shown.isValid() ? shown.name() : QString());
}

void TColorField::changeEvent(QEvent *event) {
    // A system colour follows the palette, and so does what it is read as.
    if (event->type() == QEvent::PaletteChange)
        Describe();
    QAbstractButton::changeEvent(event);
}

void TColorField::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QColor shown = Shown();
    if (FTrigger == TTrigger::Click) {
        // A push button without text, pressed while it is down.
        QStyleOptionButton button;
        button.initFrom(this);
        button.features = QStyleOptionButton::None;
        button.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButton, &button, &painter, this);
        const QRect inner =
            rect().adjusted(kButtonInset, kButtonInset, -kButtonInset, -kButtonInset);
        if (shown.isValid())
            painter.fillRect(inner, shown);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(inner.adjusted(0, 0, -1, -1));
        return;
    }
    // A sunken panel one pixel wide around the colour, a dotted line inside it with the focus.
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (shown.isValid())
        painter.fillRect(inside, shown);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(inside.adjusted(0, 0, -1, -1));
    }
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.frameShape = QFrame::Panel;
    frame.rect = rect();
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
}

void TColorField::mouseDoubleClickEvent(QMouseEvent *event) {
    if (FTrigger == TTrigger::DoubleClick && event->button() == Qt::LeftButton) {
        emit ColorRequested(this);
        event->accept();
        return;
    }
    QAbstractButton::mouseDoubleClickEvent(event);
}

void TColorField::keyPressEvent(QKeyEvent *event) {
    if (FTrigger == TTrigger::DoubleClick) {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit ColorRequested(this);
            event->accept();
            return;
        default:
            break;
        }
    }
    QAbstractButton::keyPressEvent(event);
}
