#pragma once

#include "KeyboardLayout.h"

#include <memory>

// The keyboard map of the X server the program runs on, in its current group; null when the
// program does not run on X11 or the map cannot be read.
std::unique_ptr<TKeyboardLayout> MakeXkbKeyboardLayout();
