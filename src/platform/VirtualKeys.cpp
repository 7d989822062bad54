#include "VirtualKeys.h"

#include <Qt>

namespace VirtualKeys {
namespace {

struct TPair {
    int Qt;
    int Vk;
};

const TPair kPairs[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Select, VK_SELECT},
    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Help, VK_HELP},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Asterisk, VK_MULTIPLY},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
};

// The typing area by Linux input code, from the '1' key (2) on; 0 where the key is elsewhere.
const unsigned char kPositions[] = {
    '1', '2', '3', '4', '5', '6', '7', '8',  '9',  '0',  0xBD, 0xBB, 0, 0,    // 2..15
    'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I',  'O',  'P',  0xDB, 0xDD, 0, 0,    // 16..29
    'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K',  'L',  0xBA, 0xDE, 0xC0, 0, 0xDC, // 30..43
    'Z', 'X', 'C', 'V', 'B', 'N', 'M', 0xBC, 0xBE, 0xBF,                      // 44..53
};
constexpr int kFirstPosition = 2;
constexpr int kInputCode102nd = 86; // the extra key beside left Shift on European keyboards
constexpr int kOem102 = 0xE2;

} // namespace

int FromKeyPosition(int inputCode) {
    if (inputCode == kInputCode102nd)
        return kOem102;
    const int index = inputCode - kFirstPosition;
    if (index < 0 || index >= int(sizeof kPositions))
        return 0;
    return kPositions[index];
}

int FromKeyEvent(int qtKey, bool keypad, int inputCode) {
    const bool latinLetter = qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
    if (!keypad && !latinLetter) {
        if (const int code = FromKeyPosition(inputCode))
            return code;
    }
    return FromQtKey(qtKey, keypad);
}

int FromQtKey(int qtKey, bool keypad) {
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return VK_NUMPAD0 + (qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk:
            return VK_MULTIPLY;
        case Qt::Key_Plus:
            return VK_ADD;
        case Qt::Key_Minus:
            return VK_SUBTRACT;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return VK_DECIMAL;
        case Qt::Key_Slash:
            return VK_DIVIDE;
        default:
            break;
        }
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey; // '0'..'9' share their codes
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // 'A'..'Z' too
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    for (const TPair &p : kPairs) {
        if (p.Qt == qtKey)
            return p.Vk;
    }
    return 0;
}

int ToQtKey(int virtualKey) {
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return virtualKey;
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9)
        return Qt::Key_0 + (virtualKey - VK_NUMPAD0);
    if (virtualKey >= VK_F1 && virtualKey <= VK_F24)
        return Qt::Key_F1 + (virtualKey - VK_F1);
    for (const TPair &p : kPairs) {
        if (p.Vk == virtualKey)
            return p.Qt;
    }
    return 0;
}

} // namespace VirtualKeys
