#include "VxKey.h"

#include "SpecialKey.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>

namespace {

// Keypad and group-switch bits come with some keyboards' events and say nothing about the user's
// intent; only Shift, Ctrl, Alt and Meta count.
constexpr Qt::KeyboardModifiers IntentModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool ShiftOrCtrl(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
}

} // namespace

void TVxKey::TrackModifiers(Qt::KeyboardModifiers modifiers, int pressedBefore) {
    FModifiers = modifiers;
    // The pressed look is derived at paint time; repaint whenever it changes, including a
    // release with Shift held after a plain press, which would otherwise leave the key sunk.
    if (PressedOffset() != pressedBefore)
        update();
}

void TVxKey::mousePressEvent(QMouseEvent *event) {
    const int pressedBefore = PressedOffset();
    const Qt::MouseButton button = event->button();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & IntentModifiers;
    event->accept(); // a press on a key is never a click on the panel behind it
    if (button == Qt::LeftButton) {
        FLeftDown = true;
        // A drag ended by someone else's event loop leaves no release behind; a new left press
        // proves that the last one is over.
        FDragging = false;
    }
    TrackModifiers(modifiers, pressedBefore);

    QPointer<TVxKey> self(this);
    // Shift plus the left button alone starts the drag at once, without a movement threshold.
    if (!FDragging && !FStatus.testFlag(vxoEdit) && button == Qt::LeftButton &&
        event->buttons() == Qt::LeftButton && modifiers == Qt::ShiftModifier) {
        FDragging = true;
        emit StartDrag(this);
        if (!self)
            return;
    }
    emit MouseDown(this, button, modifiers);
}

void TVxKey::mouseMoveEvent(QMouseEvent *event) {
    // Moves arrive only while a button is held; they keep the pressed look in step with the
    // modifiers held now.
    TrackModifiers(event->modifiers() & IntentModifiers, PressedOffset());
    event->accept();
}

void TVxKey::SetLeftDown(bool down) {
    if (FLeftDown == down)
        return;
    FLeftDown = down;
    update();
}

void TVxKey::mouseReleaseEvent(QMouseEvent *event) {
    const int pressedBefore = PressedOffset();
    const Qt::MouseButton button = event->button();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & IntentModifiers;
    event->accept();
    const bool wasDragging = FDragging;
    if (button == Qt::LeftButton) {
        FLeftDown = false;
        FDragging = false;
    }
    TrackModifiers(modifiers, pressedBefore);

    QPointer<TVxKey> self(this);
    emit MouseUp(this, button, modifiers);
    if (!self)
        return;
    // The position is not tested: the key holds the mouse grab while the button is down, so a
    // release after sliding off still fires.
    if (FStatus.testFlag(vxoSendClick) && button == Qt::LeftButton && !wasDragging &&
        !ShiftOrCtrl(modifiers))
        SendKeyClick();
}

void TVxKey::SendKeyClick() {
    if (FStatus.testFlag(vxoEdit))
        return;
    const int code = SpecialCode();
    // Copies: a receiver may change or even destroy the key while later receivers still run.
    if (code == 0 || code == SpecialCodeOf(TSpecialKey::Sound)) {
        const QString text = FText;
        const QString textSh = FTextSh;
        const TKeyFont font = FFont;
        emit VxKClick(this, code, text, textSh, &font);
    } else if (code == SpecialCodeOf(TSpecialKey::Other)) {
        const QString kbdName = FKbdName;
        emit VxKClick(this, code, kbdName, QString(), nullptr);
    } else {
        emit VxKClick(this, code, QString::number(code), QString(), nullptr);
    }
}

void TVxKey::contextMenuEvent(QContextMenuEvent *event) {
    event->accept();
    static const QMetaMethod requested = QMetaMethod::fromSignal(&TVxKey::ContextMenuRequested);
    if (isSignalConnected(requested))
        emit ContextMenuRequested(this, event->globalPos());
    else if (FPopupMenu)
        FPopupMenu->popup(event->globalPos());
}
