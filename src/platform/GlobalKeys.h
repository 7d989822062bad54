#pragma once

#include <QList>
#include <functional>

class QKeyEvent;

// Keys taken from every application of the display, for the switches while another
// application has the keyboard focus. The window system gives them back when Release() is
// called, when this object goes, and when the program ends in any way, a crash included.
class TGlobalKeys {
public:
    // Gets each press and release of a taken key, as the key event the program's own window
    // would have had; answers whether it used it.
    using TOnKey = std::function<bool(QKeyEvent &)>;

    virtual ~TGlobalKeys() = default;
    virtual void SetOnKey(TOnKey onKey) = 0;
    // Takes the keys of these virtual-key codes and gives back the rest; false when a key
    // could not be taken (another application holds it), which is then left to it.
    virtual bool Take(const QList<int> &virtualKeys) = 0;
    virtual void Release() = 0;
};
