#pragma once

#include "GlobalKeys.h"
#include "KeyOutput.h"

#include <memory>

// Typing into other applications: the keyboard's output goes to the window of another
// application that has the focus, and the switch keys are taken from the whole display.
namespace OutsideTyping {

// Why the window system here does not allow it.
enum class TUnavailable {
    None,    // it does
    Wayland, // a Wayland session lets no application type into another or take keys
    NoX11,   // no X server (another platform, or none at all)
    NoXTest, // the X server lacks the extension for synthesized keystrokes
};
TUnavailable Unavailable();
// Both parts; null where Unavailable() is not None. The keys use the output: they go first.
struct TParts {
    std::unique_ptr<TKeyOutput> Output;
    std::unique_ptr<TGlobalKeys> Keys;
};
TParts Make();

} // namespace OutsideTyping
