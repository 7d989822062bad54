#include "FirstInput.h"

#include <QCoreApplication>
#include <QEvent>

TFirstInput::TFirstInput(std::function<void()> told)
    : FTold(std::move(told)) {
    QCoreApplication::instance()->installEventFilter(this);
}

TFirstInput::~TFirstInput() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool TFirstInput::eventFilter(QObject *, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::Wheel:
        if (FTold) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The event itself is handled as if nobody watched.
            std::exchange(FTold, {})();
        }
        break;
    default:
        break;
    }
    return false;
}
