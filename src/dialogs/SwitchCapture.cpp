#include "SwitchCapture.h"

#include "DialogStrings.h"
#include "Prompts.h"
#include "SwitchFilter.h"
#include "VirtualKeys.h"
#include "WatchedKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>

TSwitchCapture::TSwitchCapture(int switchNumber, QWidget *parent)
    : QPushButton(DialogStrings::Capture, parent)
    , FSwitchNumber(switchNumber) {
    setAutoDefault(false);
    setCheckable(true);
    setAccessibleName(DialogStrings::CaptureName(switchNumber));
    setAccessibleDescription(DialogStrings::CaptureHint);
    setToolTip(DialogStrings::CaptureHint);
    // Wide enough for the waiting text, so that the dialog keeps its size while it waits.
    setText(DialogStrings::CaptureWaiting);
    setMinimumWidth(sizeHint().width());
    setText(DialogStrings::Capture);
    connect(this, &QPushButton::clicked, this, [this] {
        if (FCapturing)
            CancelCapture();
        else
            StartCapture();
    });
}

TSwitchCapture::~TSwitchCapture() {
    StopCapture();
}

void TSwitchCapture::StartCapture() {
    if (FCapturing)
        return;
    FCapturing = true;
    // Installed last, the filter sees key events before every other one, a switch filter
    // included, so the switch keys reach it too.
    QCoreApplication::instance()->installEventFilter(this);
    setChecked(true);
    setText(DialogStrings::CaptureWaiting);
    setFocus(Qt::OtherFocusReason);
}

void TSwitchCapture::CancelCapture() {
    StopCapture();
}

void TSwitchCapture::StopCapture() {
    if (!FCapturing)
        return;
    FCapturing = false;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    setChecked(false);
    setText(DialogStrings::Capture);
}

bool TSwitchCapture::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (!FCapturing || (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
                        type != QEvent::ShortcutOverride))
        return QPushButton::eventFilter(watched, event);
    // Every key is the capture's while it waits: no shortcut, mnemonic or default button fires.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    if (type != QEvent::KeyPress || key->isAutoRepeat())
        return true;
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        CancelCapture();
        return true;
    }
    const int code = TSwitchFilter::VirtualKeyOf(*key);
    if (code == VirtualKeys::VK_F8) {
        CancelCapture();
        Prompts().Error(DialogStrings::EditKeySwitch(FSwitchNumber));
        return true;
    }
    if (code > 0 && code < TWatchedKeys::KeyCount) {
        StopCapture();
        emit Captured(code);
    }
    return true;
}

void TSwitchCapture::focusOutEvent(QFocusEvent *event) {
    CancelCapture();
    QPushButton::focusOutEvent(event);
}

void TSwitchCapture::hideEvent(QHideEvent *event) {
    CancelCapture();
    QPushButton::hideEvent(event);
}
