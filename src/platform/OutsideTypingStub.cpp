#include "OutsideTyping.h"

#include <QGuiApplication>

// Built where the X11 parts are not: the mode is offered nowhere.
OutsideTyping::TUnavailable OutsideTyping::Unavailable() {
    if (QGuiApplication::platformName() == QLatin1String("wayland") ||
        qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland"))
        return TUnavailable::Wayland;
    return TUnavailable::NoX11;
}

OutsideTyping::TParts OutsideTyping::Make() {
    return {};
}
