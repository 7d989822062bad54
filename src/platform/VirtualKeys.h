#pragma once

// Keys are known by their Windows virtual-key codes everywhere: in files, dialogs and switch
// settings. These map Qt's key numbers onto them and back.
namespace VirtualKeys {

enum : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SELECT = 0x29,
    VK_PRINT = 0x2A,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_HELP = 0x2F,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F8 = 0x77,
    VK_F24 = 0x87,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
};

// The virtual-key code of a Qt key (Qt::Key value); 0 when it has none. `keypad` tells a key of
// the numeric keypad, whose digits have codes of their own.
int FromQtKey(int qtKey, bool keypad = false);

// The Qt key of a virtual-key code; 0 when it has none.
int ToQtKey(int virtualKey);

// The code of a key in the typing area (digit row, letters, punctuation) by its place on a PC
// keyboard, as the US layout names it: Linux input code 2 (the '1' key) gives '1', 16 gives 'Q',
// 39 gives 0xBA. The same place keeps its code whatever it types on another layout, as on
// Windows; 0 for any key outside the typing area. X11 key codes are these plus 8.
int FromKeyPosition(int inputCode);

// The code of a pressed key from its Qt key and, where the platform tells it, its Linux input
// code (0 when unknown). A key of the typing area is known by its place unless it types a Latin
// letter, so that the '1' key is '1' also where it types "+" or "!", and a key's code is the one
// TKeyboardLayout gives for the characters it types.
int FromKeyEvent(int qtKey, bool keypad, int inputCode);

} // namespace VirtualKeys
