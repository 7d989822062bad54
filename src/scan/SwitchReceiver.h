#pragma once

#include <QtGlobal>

// The two switch messages keep their numbers: they are the window messages the main window and
// the grid handle. Here each number is a direct call of the receiver.
constexpr int WM_SWITCHDOWN = 2026; // TSwitchReceiver::SwitchDown
constexpr int WM_SWITCHUP = 2025;   // TSwitchReceiver::SwitchUp

// Whoever the switch filter reports to: the main window, which routes the reports on to the
// grid, the free layout or the confirmation dialog. Calls arrive synchronously, from inside the
// delivery of the key event, on the user-interface thread.
class TSwitchReceiver {
public:
    virtual ~TSwitchReceiver() = default;

    // Message 2026: switch `code` (a virtual-key code 0..255) went down at `time`, in
    // milliseconds since local midnight.
    virtual void SwitchDown(int code, qint32 time) = 0;
    // Message 2025: switch `code` came up after being held `duration` milliseconds (0..65535);
    // with an acceptance time, the time it was held past that.
    virtual void SwitchUp(int code, qint32 duration) = 0;
    // Switch `code`, reported down, came up too soon to count: no release follows for it.
    virtual void SwitchCancel(int code) = 0;
};
