#pragma once

#include <QString>

// Keystrokes for whatever window of another application has the keyboard focus: the keys'
// texts typed as text, the keystroke keys pressed as their keys.
class TKeyOutput {
public:
    virtual ~TKeyOutput() = default;

    // Types `text` character by character, exactly as given: its case is already chosen.
    virtual void TypeText(const QString &text) = 0;
    // One press (down and up) of the key of a virtual-key code, with Shift held if asked.
    // Codes without a key here are left out.
    virtual void PressKey(int virtualKey, bool withShift = false) = 0;
    // Gives back whatever the output borrowed from the keyboard map.
    virtual void Restore() = 0;
};
