#pragma once

#include "WatchedKeys.h"

#include <QObject>
#include <algorithm>
#include <array>
#include <bitset>
#include <functional>
#include <optional>

class QKeyEvent;
class TSwitchReceiver;

// The switch keys' filter (the keyboard hook). Installed on the application while the keyboard
// is in use, it sees every key event before any widget does, swallows every event of a watched
// key (press, release, auto-repeats, shortcut overrides) and reports each first press and its
// release to the receiver, with the press time and the hold time (from the events' own times
// where the window system gives them). While SendingKeys is raised
// every key passes untouched. No key is special to the filter itself, F8 included.
class TSwitchFilter : public QObject {
    Q_OBJECT

public:
    // Milliseconds since local midnight.
    using TClock = std::function<qint64()>;
    // A longer hold is reported as this: still a long press, whatever the threshold.
    static constexpr qint32 MaxHoldTime = 65535;
    // A press of a switch already down this soon after its last press is the key repeating.
    // Longer than any key repeat delay a desktop offers.
    static constexpr qint64 MaxRepeatGap = 3000;

    explicit TSwitchFilter(QObject *parent = nullptr);
    ~TSwitchFilter() override;

    TSwitchReceiver *Receiver() const { return FReceiver; }
    void SetReceiver(TSwitchReceiver *receiver) { FReceiver = receiver; }
    // Null puts the system clock back.
    void SetClock(TClock clock);
    // While this answers true, a new press of a switch key passes like any other key (a switch
    // already down still reports its release). None: every switch key is taken.
    using TPassTest = std::function<bool()>;
    void SetPassTest(TPassTest test) { FPassTest = std::move(test); }

    // Installs the filter on the application (on) or removes it (off). A switch held while the
    // filter is removed and put back still reports its release with the whole hold time.
    void SetKeyHook(bool on);
    bool KeyHook() const { return FHooked; }

    // {13, 32} until set.
    const TWatchedKeys &WatchedKeys() const { return FWatchedKeys; }
    void SetSwitchKeys(const TWatchedKeys &keys);
    // Called whenever the hook goes on or off or the switch keys change, for whoever takes
    // the same keys elsewhere.
    void SetOnChange(std::function<void()> onChange) { FOnChange = std::move(onChange); }

    // A key event that came another way than to the program's windows (the switch keys taken
    // from the whole display): handled as the hook handles its own while it is installed.
    // True when it was swallowed.
    bool TakeKeyEvent(QKeyEvent &event);
    // {code1, code2}; throws TError, changing nothing, when a code is 256 or more.
    void SetSwitchKeys(int code1, int code2);

    // Filtering for hands that shake or press too briefly, in milliseconds (0: off). A press
    // held shorter than the acceptance time is cancelled at its release instead of reported,
    // and an accepted one reports the time held past the acceptance time, so that a long press
    // is longer than both. A press that begins within the ignore time after an accepted press
    // came up (a bounce, a tremor) is swallowed whole without a report.
    qint32 AcceptTime() const { return FAcceptTime; }
    void SetAcceptTime(qint32 milliseconds) { FAcceptTime = std::max(milliseconds, 0); }
    qint32 IgnoreAfter() const { return FIgnoreAfter; }
    void SetIgnoreAfter(qint32 milliseconds) { FIgnoreAfter = std::max(milliseconds, 0); }

    // The virtual-key code of a key event; 0 when it has none.
    static int VirtualKeyOf(const QKeyEvent &event);
    static qint64 MillisecondsSinceMidnight();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Filter(QEvent *event);
    int SwitchCodeOf(const QKeyEvent &event, bool freshPress) const;
    void Press(int code, quint32 scanCode, quint64 stamp);
    void Release(int code, quint64 stamp);
    qint64 EventTime(const QKeyEvent &event) const;

    TSwitchReceiver *FReceiver = nullptr;
    TClock FClock;
    TPassTest FPassTest;
    std::function<void()> FOnChange;
    bool FHooked = false;
    TWatchedKeys FWatchedKeys = TWatchedKeys::FromCodes(13, 32);
    // Switches down whose release is still to come, when they went down, and their physical keys.
    std::bitset<TWatchedKeys::KeyCount> FPending;
    std::array<qint32, TWatchedKeys::KeyCount> FKeyDownTimes{};
    std::array<quint32, TWatchedKeys::KeyCount> FKeyDownStamps{};
    std::array<qint64, TWatchedKeys::KeyCount> FLastPressTimes{};
    std::array<quint32, TWatchedKeys::KeyCount> FScanCodes{};
    qint32 FAcceptTime = 0;
    qint32 FIgnoreAfter = 0;
    // Presses swallowed as bounces: their releases are swallowed too.
    std::bitset<TWatchedKeys::KeyCount> FIgnored;
    // When the last accepted press came up; none yet.
    std::optional<qint64> FAcceptedAt;
};
