#include "SwitchFilter.h"

#include "SendingKeys.h"
#include "SwitchReceiver.h"
#include "VirtualKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTime>
#include <algorithm>

namespace {

constexpr qint64 DayMs = 24 * 3600 * 1000;

} // namespace

TSwitchFilter::TSwitchFilter(QObject *parent)
    : QObject(parent) {
    SetClock(nullptr);
}

TSwitchFilter::~TSwitchFilter() {
    SetKeyHook(false);
}

void TSwitchFilter::SetClock(TClock clock) {
    FClock = clock ? std::move(clock) : TClock(&TSwitchFilter::MillisecondsSinceMidnight);
}

void TSwitchFilter::SetKeyHook(bool on) {
    QCoreApplication *app = QCoreApplication::instance();
    if (on == FHooked || !app)
        return;
    if (on)
        app->installEventFilter(this);
    else
        app->removeEventFilter(this);
    FHooked = on;
    if (FOnChange)
        FOnChange();
}

void TSwitchFilter::SetSwitchKeys(const TWatchedKeys &keys) {
    if (keys == FWatchedKeys)
        return;
    FWatchedKeys = keys;
    if (FOnChange)
        FOnChange();
}

void TSwitchFilter::SetSwitchKeys(int code1, int code2) {
    SetSwitchKeys(TWatchedKeys::FromCodes(code1, code2));
}

qint64 TSwitchFilter::MillisecondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay();
}

int TSwitchFilter::VirtualKeyOf(const QKeyEvent &event) {
#ifdef Q_OS_WIN
    // Windows hands over the code itself, right for every layout.
    if (event.nativeVirtualKey() != 0 && event.nativeVirtualKey() < TWatchedKeys::KeyCount)
        return int(event.nativeVirtualKey());
#endif
    // X11 and Wayland key codes are the Linux input codes plus 8; elsewhere the place is unknown.
    static const bool linuxKeyCodes = QGuiApplication::platformName() == QLatin1String("xcb") ||
                                      QGuiApplication::platformName() == QLatin1String("wayland");
    const quint32 scanCode = event.nativeScanCode();
    const int inputCode = linuxKeyCodes && scanCode > 8 && scanCode < 256 ? int(scanCode - 8) : 0;
    return VirtualKeys::FromKeyEvent(event.key(), event.modifiers().testFlag(Qt::KeypadModifier),
                                     inputCode);
}

// A held key stays the switch it was pressed as: with Shift pressed meanwhile the '1' key comes
// up as '!', which has no code, and its release would get lost. Its physical key tells.
int TSwitchFilter::SwitchCodeOf(const QKeyEvent &event, bool freshPress) const {
    const quint32 scanCode = event.nativeScanCode();
    if (!freshPress && scanCode != 0 && FPending.any()) {
        for (int code = 0; code < TWatchedKeys::KeyCount; ++code) {
            if (FPending.test(code) && FScanCodes[code] == scanCode)
                return code;
        }
    }
    return VirtualKeyOf(event);
}

bool TSwitchFilter::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    return Filter(event);
}

bool TSwitchFilter::TakeKeyEvent(QKeyEvent &event) {
    const QEvent::Type type = event.type();
    if (!FHooked || (type != QEvent::KeyPress && type != QEvent::KeyRelease))
        return false;
    return Filter(&event);
}

bool TSwitchFilter::Filter(QEvent *event) {
    const QEvent::Type type = event->type();
    if (SendingKeys)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    bool freshPress = type == QEvent::KeyPress && !key->isAutoRepeat();
    const int code = SwitchCodeOf(*key, freshPress);
    if (code <= 0 || code >= TWatchedKeys::KeyCount)
        return false;
    // A held key that repeats as presses alone (see UseDetectableKeyRepeat) is not pressed anew;
    // after a long silence the release was lost (it went to another window) and this is new.
    if (type == QEvent::KeyPress && FPending.test(code)) {
        const qint64 now = EventTime(*key);
        if (freshPress && now - FLastPressTimes[code] <= MaxRepeatGap)
            freshPress = false;
        FLastPressTimes[code] = now;
    }
    // The rest of a press already taken is taken too, even if the key stopped being watched
    // meanwhile; a new press counts only if the key is watched and taken now.
    const bool pending = FPending.test(code);
    const bool taken = FWatchedKeys.Contains(code) && !(FPassTest && FPassTest());
    if (!taken && (freshPress || !pending)) {
        if (freshPress)
            FPending.reset(code);
        return false;
    }

    if (type == QEvent::ShortcutOverride) {
        // Accepted: the key is wanted as a key, so no shortcut fires and the press follows.
        event->accept();
    } else if (freshPress) {
        Press(code, key->nativeScanCode(), key->timestamp());
    } else if (type == QEvent::KeyRelease && !key->isAutoRepeat() && pending) {
        Release(code, key->timestamp());
    }
    // Auto-repeats (a held key sends release and press pairs on some systems) and a release
    // whose press came before the filter was installed are swallowed without a report.
    return true;
}

qint64 TSwitchFilter::EventTime(const QKeyEvent &event) const {
    // The window system's own time where it gives one (32 bits of milliseconds), else ours.
    return event.timestamp() != 0 ? qint64(quint32(event.timestamp())) : FClock();
}

void TSwitchFilter::Press(int code, quint32 scanCode, quint64 stamp) {
    const qint64 now = FClock();
    const qint32 time = qint32(now);
    FPending.set(code);
    FKeyDownTimes[code] = time;
    FKeyDownStamps[code] = quint32(stamp);
    FLastPressTimes[code] = stamp != 0 ? qint64(quint32(stamp)) : now;
    FScanCodes[code] = scanCode;
    FIgnored.reset(code);
    if (FIgnoreAfter > 0 && FAcceptedAt) {
        qint64 since = now - *FAcceptedAt;
        if (since < 0)
            since += DayMs;
        if (since < FIgnoreAfter) {
            FIgnored.set(code);
            return;
        }
    }
    if (FReceiver)
        FReceiver->SwitchDown(code, time);
}

void TSwitchFilter::Release(int code, quint64 stamp) {
    const qint64 now = FClock();
    qint64 held = now - FKeyDownTimes[code];
    if (held < 0)
        held += DayMs; // held across midnight
    // The window system's times of both events tell how long the switch was really held, even
    // when the program was busy and handled one of them late. Its clock is 32 bits of
    // milliseconds that wrap; events without a time (0) fall back on ours.
    if (FKeyDownStamps[code] != 0 && quint32(stamp) != 0)
        held = quint32(quint32(stamp) - FKeyDownStamps[code]);
    FPending.reset(code);
    FKeyDownTimes[code] = 0;
    if (FIgnored.test(code)) {
        FIgnored.reset(code);
        return;
    }
    if (held < FAcceptTime) {
        if (FReceiver)
            FReceiver->SwitchCancel(code);
        return;
    }
    FAcceptedAt = now;
    const qint32 duration = qint32(std::clamp<qint64>(held - FAcceptTime, 0, MaxHoldTime));
    if (FReceiver)
        FReceiver->SwitchUp(code, duration);
}
