#include "KeyboardLayout.h"

#include "VirtualKeys.h"

#ifdef ORVANTA_HAVE_XKB_X11
#include "XkbKeyboardLayout.h"
#endif

#include <string_view>

namespace {

constexpr int kShift = 0x100;

// Punctuation of the US layout: each key with what it types unshifted and shifted.
struct TUsKey {
    char Plain;
    char Shifted;
    int Code;
};
const TUsKey kUsPunctuation[] = {
    {'-', '_', 0xBD}, {'=', '+', 0xBB},  {'[', '{', 0xDB}, {']', '}', 0xDD},
    {';', ':', 0xBA}, {'\'', '"', 0xDE}, {'`', '~', 0xC0}, {'\\', '|', 0xDC},
    {',', '<', 0xBC}, {'.', '>', 0xBE},  {'/', '?', 0xBF},
};
// Shifted digits, from '0' on.
constexpr std::string_view kUsShiftedDigits = ")!@#$%^&*(";

class TUsLayout final : public TKeyboardLayout {
public:
    int KeyScan(char32_t ch) const override {
        if (ch >= U'a' && ch <= U'z')
            return int(ch - U'a') + 'A';
        if (ch >= U'A' && ch <= U'Z')
            return int(ch) | kShift;
        if (ch >= U'0' && ch <= U'9')
            return int(ch);
        switch (ch) {
        case U' ':
            return VirtualKeys::VK_SPACE;
        case U'\t':
            return VirtualKeys::VK_TAB;
        case U'\r':
            return VirtualKeys::VK_RETURN;
        case U'\b':
            return VirtualKeys::VK_BACK;
        default:
            break;
        }
        if (ch >= 0x80)
            return -1;
        if (const auto digit = kUsShiftedDigits.find(char(ch)); digit != std::string_view::npos)
            return int('0' + digit) | kShift;
        for (const TUsKey &key : kUsPunctuation) {
            if (key.Plain == char(ch))
                return key.Code;
            if (key.Shifted == char(ch))
                return key.Code | kShift;
        }
        return -1;
    }
};

} // namespace

const TKeyboardLayout &TKeyboardLayout::Us() {
    static const TUsLayout layout;
    return layout;
}

std::unique_ptr<TKeyboardLayout> TKeyboardLayout::Current() {
#ifdef ORVANTA_HAVE_XKB_X11
    if (std::unique_ptr<TKeyboardLayout> x11 = MakeXkbKeyboardLayout())
        return x11;
#endif
    return std::make_unique<TUsLayout>();
}
