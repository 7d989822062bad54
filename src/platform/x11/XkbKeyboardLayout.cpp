#include "XkbKeyboardLayout.h"

#include "VirtualKeys.h"

#include <QGuiApplication>
#include <xkbcommon/xkbcommon-x11.h>

namespace {

// X11 key codes are the Linux input codes plus this.
constexpr xkb_keycode_t kInputCodeOffset = 8;

template <typename T, void (*Free)(T *)>
struct TXkbDeleter {
    void operator()(T *p) const { Free(p); }
};
using TContext = std::unique_ptr<xkb_context, TXkbDeleter<xkb_context, xkb_context_unref>>;
using TKeymap = std::unique_ptr<xkb_keymap, TXkbDeleter<xkb_keymap, xkb_keymap_unref>>;
using TState = std::unique_ptr<xkb_state, TXkbDeleter<xkb_state, xkb_state_unref>>;

// Keys outside the typing area that still type something.
int CodeOfKeysym(xkb_keysym_t sym) {
    if (sym >= XKB_KEY_KP_0 && sym <= XKB_KEY_KP_9)
        return VirtualKeys::VK_NUMPAD0 + int(sym - XKB_KEY_KP_0);
    if (sym >= XKB_KEY_KP_Multiply && sym <= XKB_KEY_KP_Divide)
        return VirtualKeys::VK_MULTIPLY + int(sym - XKB_KEY_KP_Multiply);
    switch (sym) {
    case XKB_KEY_space:
    case XKB_KEY_KP_Space:
        return VirtualKeys::VK_SPACE;
    case XKB_KEY_Return:
    case XKB_KEY_KP_Enter:
        return VirtualKeys::VK_RETURN;
    case XKB_KEY_Tab:
    case XKB_KEY_KP_Tab:
        return VirtualKeys::VK_TAB;
    case XKB_KEY_BackSpace:
        return VirtualKeys::VK_BACK;
    case XKB_KEY_Escape:
        return VirtualKeys::VK_ESCAPE;
    default:
        return 0;
    }
}

// The shift state that reaches a level of the usual layouts: Shift, AltGr, both.
int ShiftStateOfLevel(xkb_level_index_t level) {
    static const int states[] = {0, 0x100, 0x600, 0x700};
    return level < std::size(states) ? states[level] : 0;
}

class TXkbKeyboardLayout final : public TKeyboardLayout {
public:
    TXkbKeyboardLayout(TContext context, TKeymap keymap, xkb_layout_index_t group)
        : FContext(std::move(context))
        , FKeymap(std::move(keymap))
        , FGroup(group) {}

    int KeyScan(char32_t ch) const override {
        // The lowest level wins, then the lowest key: "5" is the digit row's, not the keypad's.
        const xkb_keycode_t first = xkb_keymap_min_keycode(FKeymap.get());
        const xkb_keycode_t last = xkb_keymap_max_keycode(FKeymap.get());
        for (xkb_level_index_t level = 0; level < 4; ++level) {
            for (xkb_keycode_t key = first; key <= last && key != 0; ++key) {
                if (level >= xkb_keymap_num_levels_for_key(FKeymap.get(), key, FGroup))
                    continue;
                const xkb_keysym_t *syms = nullptr;
                const int count =
                    xkb_keymap_key_get_syms_by_level(FKeymap.get(), key, FGroup, level, &syms);
                for (int i = 0; i < count; ++i) {
                    if (xkb_keysym_to_utf32(syms[i]) != ch)
                        continue;
                    if (const int code = CodeOfKey(key, syms[i]))
                        return code | ShiftStateOfLevel(level);
                }
            }
        }
        return -1;
    }

private:
    // The code the switch filter sees when this key is pressed: a key typing a Latin letter
    // unshifted is that letter, the rest of the typing area goes by place.
    int CodeOfKey(xkb_keycode_t key, xkb_keysym_t sym) const {
        const xkb_keysym_t *plain = nullptr;
        if (xkb_keymap_key_get_syms_by_level(FKeymap.get(), key, FGroup, 0, &plain) == 1 &&
            plain[0] >= XKB_KEY_a && plain[0] <= XKB_KEY_z)
            return int(plain[0] - XKB_KEY_a) + 'A';
        if (key > kInputCodeOffset) {
            if (const int code = VirtualKeys::FromKeyPosition(int(key - kInputCodeOffset)))
                return code;
        }
        return CodeOfKeysym(sym);
    }

    TContext FContext;
    TKeymap FKeymap;
    xkb_layout_index_t FGroup;
};

} // namespace

std::unique_ptr<TKeyboardLayout> MakeXkbKeyboardLayout() {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return nullptr;
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return nullptr;
    const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0)
        return nullptr;
    TContext context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (!context)
        return nullptr;
    TKeymap keymap(xkb_x11_keymap_new_from_device(context.get(), connection, device,
                                                  XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap)
        return nullptr;
    const TState state(xkb_x11_state_new_from_device(keymap.get(), connection, device));
    if (!state)
        return nullptr;
    const xkb_layout_index_t group =
        xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE);
    return std::make_unique<TXkbKeyboardLayout>(std::move(context), std::move(keymap), group);
}
