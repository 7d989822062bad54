#pragma once

#include <memory>

// The keyboard layout the user types with: which key types a character. Switch keys are chosen
// by the character they type, and a Czech user typing "ě" means the key that types it.
class TKeyboardLayout {
public:
    virtual ~TKeyboardLayout() = default;

    // The key that types `ch`: the virtual-key code in the low byte and the shift state in the
    // high byte (1 Shift, 2 Ctrl, 4 Alt; AltGr is Ctrl+Alt); -1 when no key types it.
    virtual int KeyScan(char32_t ch) const = 0;

    // The US layout, always at hand.
    static const TKeyboardLayout &Us();
    // The layout in use now: the X11 keyboard map where the program runs on X11 and can read
    // it, the US layout otherwise. Read afresh on each call, so a layout switched meanwhile
    // counts.
    static std::unique_ptr<TKeyboardLayout> Current();
};
