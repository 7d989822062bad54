#include "KeystrokeTranslator.h"

#include "VirtualKeys.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>

namespace {

constexpr uint32_t kNoSymbol = 0;

struct TVkKeysym {
    int Vk;
    uint32_t Keysym;
};

// The keystroke keys and the switch keys outside the letters and digits.
constexpr TVkKeysym kKeysyms[] = {
    {VirtualKeys::VK_BACK, XKB_KEY_BackSpace},
    {VirtualKeys::VK_TAB, XKB_KEY_Tab},
    {VirtualKeys::VK_CLEAR, XKB_KEY_Clear},
    {VirtualKeys::VK_RETURN, XKB_KEY_Return},
    {VirtualKeys::VK_SHIFT, XKB_KEY_Shift_L},
    {VirtualKeys::VK_CONTROL, XKB_KEY_Control_L},
    {VirtualKeys::VK_MENU, XKB_KEY_Alt_L},
    {VirtualKeys::VK_PAUSE, XKB_KEY_Pause},
    {VirtualKeys::VK_CAPITAL, XKB_KEY_Caps_Lock},
    {VirtualKeys::VK_ESCAPE, XKB_KEY_Escape},
    {VirtualKeys::VK_SPACE, XKB_KEY_space},
    {VirtualKeys::VK_PRIOR, XKB_KEY_Prior},
    {VirtualKeys::VK_NEXT, XKB_KEY_Next},
    {VirtualKeys::VK_END, XKB_KEY_End},
    {VirtualKeys::VK_HOME, XKB_KEY_Home},
    {VirtualKeys::VK_LEFT, XKB_KEY_Left},
    {VirtualKeys::VK_UP, XKB_KEY_Up},
    {VirtualKeys::VK_RIGHT, XKB_KEY_Right},
    {VirtualKeys::VK_DOWN, XKB_KEY_Down},
    {VirtualKeys::VK_SELECT, XKB_KEY_Select},
    {VirtualKeys::VK_PRINT, XKB_KEY_Print},
    {VirtualKeys::VK_INSERT, XKB_KEY_Insert},
    {VirtualKeys::VK_DELETE, XKB_KEY_Delete},
    {VirtualKeys::VK_HELP, XKB_KEY_Help},
    {VirtualKeys::VK_MULTIPLY, XKB_KEY_KP_Multiply},
    {VirtualKeys::VK_ADD, XKB_KEY_KP_Add},
    {VirtualKeys::VK_SUBTRACT, XKB_KEY_KP_Subtract},
    {VirtualKeys::VK_DECIMAL, XKB_KEY_KP_Decimal},
    {VirtualKeys::VK_DIVIDE, XKB_KEY_KP_Divide},
    {VirtualKeys::VK_NUMLOCK, XKB_KEY_Num_Lock},
    {VirtualKeys::VK_SCROLL, XKB_KEY_Scroll_Lock},
};

} // namespace

TKeyMap TKeyMap::FromCore(int firstCode, int perCode, const std::vector<uint32_t> &keysyms) {
    TKeyMap map;
    if (perCode <= 0 || firstCode < MinCode)
        return map;
    // The reply's count is the server's word: only whole rows within the code range are read.
    const size_t rows = keysyms.size() / size_t(perCode);
    for (size_t row = 0; row < rows && firstCode + int(row) <= MaxCode; ++row) {
        const auto begin = keysyms.begin() + qsizetype(row * size_t(perCode));
        QList<uint32_t> syms(begin, begin + perCode);
        while (!syms.isEmpty() && syms.back() == kNoSymbol)
            syms.removeLast();
        map.Set(firstCode + int(row), std::move(syms));
    }
    return map;
}

void TKeyMap::Set(int keycode, QList<uint32_t> keysyms) {
    if (keycode >= MinCode && keycode <= MaxCode)
        FKeysyms[keycode] = std::move(keysyms);
}

uint32_t TKeyMap::Keysym(int keycode, int level) const {
    if (keycode < MinCode || keycode > MaxCode || level < 0 || level >= FKeysyms[keycode].size())
        return kNoSymbol;
    return FKeysyms[keycode][level];
}

uint32_t TKeyMap::KeysymInGroup(int keycode, int group, int level) const {
    if (group == 1 && (Keysym(keycode, 2) != kNoSymbol || Keysym(keycode, 3) != kNoSymbol))
        return Keysym(keycode, 2 + level);
    return Keysym(keycode, level);
}

bool TKeyMap::IsFree(int keycode) const {
    if (keycode < MinCode || keycode > MaxCode)
        return false;
    const QList<uint32_t> &syms = FKeysyms[keycode];
    return std::all_of(syms.begin(), syms.end(), [](uint32_t s) { return s == kNoSymbol; });
}

int TKeyMap::VirtualKey(int keycode) const {
    const uint32_t plain = Keysym(keycode, 0);
    if (plain >= XKB_KEY_a && plain <= XKB_KEY_z)
        return 'A' + int(plain - XKB_KEY_a);
    if (keycode > MinCode) {
        if (const int code = VirtualKeys::FromKeyPosition(keycode - MinCode))
            return code;
    }
    return TKeystrokeTranslator::VirtualKeyOfKeysym(plain);
}

TKeystrokeTranslator::TKeystrokeTranslator(TKeyMap map, TKeystrokeSink &sink)
    : FMap(std::move(map))
    , FSink(sink) {}

TKeystrokeTranslator::~TKeystrokeTranslator() = default;

uint32_t TKeystrokeTranslator::KeysymOfChar(char32_t ch) {
    if (ch == U'\n' || ch == U'\r' || ch == QChar::ParagraphSeparator)
        return XKB_KEY_Return;
    if (ch == U'\t')
        return XKB_KEY_Tab;
    if (ch < 0x20 || (ch >= 0x7f && ch < 0xa0))
        return kNoSymbol;
    return xkb_utf32_to_keysym(ch);
}

uint32_t TKeystrokeTranslator::KeysymOfVirtualKey(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return XKB_KEY_a + uint32_t(virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return XKB_KEY_0 + uint32_t(virtualKey - '0');
    if (virtualKey >= VirtualKeys::VK_NUMPAD0 && virtualKey <= VirtualKeys::VK_NUMPAD0 + 9)
        return XKB_KEY_KP_0 + uint32_t(virtualKey - VirtualKeys::VK_NUMPAD0);
    if (virtualKey >= VirtualKeys::VK_F1 && virtualKey <= VirtualKeys::VK_F24)
        return XKB_KEY_F1 + uint32_t(virtualKey - VirtualKeys::VK_F1);
    for (const TVkKeysym &k : kKeysyms) {
        if (k.Vk == virtualKey)
            return k.Keysym;
    }
    return kNoSymbol;
}

int TKeystrokeTranslator::VirtualKeyOfKeysym(uint32_t keysym) {
    if (keysym >= XKB_KEY_a && keysym <= XKB_KEY_z)
        return 'A' + int(keysym - XKB_KEY_a);
    if (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z)
        return 'A' + int(keysym - XKB_KEY_A);
    if (keysym >= XKB_KEY_0 && keysym <= XKB_KEY_9)
        return '0' + int(keysym - XKB_KEY_0);
    if (keysym >= XKB_KEY_KP_0 && keysym <= XKB_KEY_KP_9)
        return VirtualKeys::VK_NUMPAD0 + int(keysym - XKB_KEY_KP_0);
    if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F24)
        return VirtualKeys::VK_F1 + int(keysym - XKB_KEY_F1);
    switch (keysym) {
    case XKB_KEY_Shift_R:
        return VirtualKeys::VK_SHIFT;
    case XKB_KEY_Control_R:
        return VirtualKeys::VK_CONTROL;
    case XKB_KEY_Alt_R:
        return VirtualKeys::VK_MENU;
    case XKB_KEY_KP_Enter:
        return VirtualKeys::VK_RETURN;
    default:
        break;
    }
    for (const TVkKeysym &k : kKeysyms) {
        if (k.Keysym == keysym)
            return k.Vk;
    }
    return 0;
}

void TKeystrokeTranslator::TypeText(const QString &text) {
    // Where Caps Lock switches layouts, Shift with it is the lock.
    int capsLock = FCapsLocked ? KeycodeOf(XKB_KEY_Caps_Lock) : 0;
    const bool capsShifted = FCapsLocked && !capsLock;
    const int shift = capsShifted ? KeycodeOf(XKB_KEY_Shift_L) : 0;
    if (capsShifted && shift) {
        for (int code = TKeyMap::MinCode; code <= TKeyMap::MaxCode && !capsLock; ++code) {
            if (Usable(code) && FMap.KeysymInGroup(code, FGroup, 1) == XKB_KEY_Caps_Lock)
                capsLock = code;
        }
    }
    const auto toggle = [this, capsLock, capsShifted, shift] {
        if (capsShifted)
            FSink.Send({TKeystroke::Down, shift});
        FSink.Send({TKeystroke::Down, capsLock});
        FSink.Send({TKeystroke::Up, capsLock});
        if (capsShifted)
            FSink.Send({TKeystroke::Up, shift});
    };
    if (capsLock)
        toggle();
    for (const char32_t ch : text.toUcs4()) {
        if (const uint32_t keysym = KeysymOfChar(ch))
            Press(keysym, false);
    }
    if (capsLock)
        toggle();
    FSink.Flush();
}

int TKeystrokeTranslator::KeycodeOf(uint32_t keysym) const {
    for (int code = TKeyMap::MinCode; code <= TKeyMap::MaxCode; ++code) {
        if (Usable(code) && FMap.KeysymInGroup(code, FGroup, 0) == keysym)
            return code;
    }
    return 0;
}

void TKeystrokeTranslator::PressKey(int virtualKey, bool withShift) {
    if (const uint32_t keysym = KeysymOfVirtualKey(virtualKey))
        Press(keysym, withShift);
    FSink.Flush();
}

void TKeystrokeTranslator::Press(uint32_t keysym, bool withShift) {
    const int shiftCode = KeycodeOf(XKB_KEY_Shift_L);
    // The lowest key that has the keysym on the level wanted; on another level only for a
    // character (a keystroke key asked with Shift wants its own key).
    int keycode = 0;
    bool shifted = withShift;
    for (int level = 0; level < 2 && !keycode; ++level) {
        if (level == 1 && (withShift || !shiftCode))
            break;
        for (int code = TKeyMap::MinCode; code <= TKeyMap::MaxCode; ++code) {
            if (Usable(code) && FGroup <= 1 && FMap.KeysymInGroup(code, FGroup, level) == keysym) {
                keycode = code;
                shifted = withShift || level == 1;
                break;
            }
        }
    }
    if (!keycode) {
        keycode = Borrowed(keysym);
        if (!keycode)
            return; // no free key code left: the character is lost rather than mistyped
    }
    if (shifted && !shiftCode)
        shifted = false;
    if (shifted)
        FSink.Send({TKeystroke::Down, shiftCode});
    FSink.Send({TKeystroke::Down, keycode});
    FSink.Send({TKeystroke::Up, keycode});
    if (shifted)
        FSink.Send({TKeystroke::Up, shiftCode});
}

int TKeystrokeTranslator::Borrowed(uint32_t keysym) {
    for (qsizetype i = 0; i < FLoans.size(); ++i) {
        if (FLoans[i].Keysym == keysym && Usable(FLoans[i].Keycode)) {
            FLoans.move(i, FLoans.size() - 1);
            return FLoans.back().Keycode;
        }
    }
    // A free code not yet lent, the highest first (the low ones are the keyboard's own);
    // when all are lent, the one used longest ago.
    int keycode = 0;
    for (int code = TKeyMap::MaxCode; code >= TKeyMap::MinCode && !keycode; --code) {
        const bool lent = std::any_of(FLoans.begin(), FLoans.end(),
                                      [code](const TLoan &l) { return l.Keycode == code; });
        if (!lent && Usable(code) && FMap.IsFree(code))
            keycode = code;
    }
    if (!keycode) {
        const auto oldest = std::find_if(FLoans.begin(), FLoans.end(),
                                         [this](const TLoan &l) { return Usable(l.Keycode); });
        if (oldest == FLoans.end())
            return 0;
        keycode = oldest->Keycode;
        FLoans.erase(oldest);
    }
    FLoans.append({keycode, keysym});
    FSink.Send({TKeystroke::Map, keycode, keysym});
    return keycode;
}

void TKeystrokeTranslator::Restore() {
    for (const TLoan &loan : std::as_const(FLoans))
        FSink.Send({TKeystroke::Map, loan.Keycode, kNoSymbol});
    FLoans.clear();
    FSink.Flush();
}
