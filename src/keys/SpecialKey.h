#pragma once

#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>

// The kind of a special key. Records store the value names (SpecialKeyIdents), so they must not
// be renamed; the ordinals index SpecialCodes, SpecialKeyNames and SpecialKeyIdents.
enum class TSpecialKey : std::uint8_t {
    None,
    Space,
    Backspace,
    Enter,
    Escape,
    Tab,
    Insert,
    Delete,
    Home,
    Eol,
    Page_Up,
    Page_Down,
    Up,
    Down,
    Left,
    Right,
    Caps_Lock,
    Select,
    Shift,
    Talk,
    Clear,
    ClearLn,
    Print,
    Sound,
    Other,
};

inline constexpr int SpecialKeyCount = int(TSpecialKey::Other) + 1;

// The code a key hands on when activated: Windows virtual-key codes below 251, the program's own
// codes 251 (Print), 252 (ClearLn), 253 (Other), 254 (Sound) and 255 (Talk) above.
inline constexpr std::array<std::uint8_t, SpecialKeyCount> SpecialCodes = {
    0,  32, 8,  13, 27, 9,  45,  46, 36,  35,  33,  34,  38,
    40, 37, 39, 20, 41, 16, 255, 12, 252, 251, 254, 253,
};

// Names shown to the user (the key settings list, the switch key choices of the grid dialog).
inline constexpr std::array<const char *, SpecialKeyCount> SpecialKeyNames = {
    "None",  "Space",   "Backspace", "Enter",   "Escape", "Tab",   "Insert", "Delete",    "Home",
    "End",   "Page Up", "Page Down", "Up",      "Down",   "Left",  "Right",  "Caps Lock", "Select",
    "Shift", "Talk",    "Clear",     "ClearLn", "Print",  "Sound", "Other",
};

// Identifiers of the kinds as key records store them.
inline constexpr std::array<const char *, SpecialKeyCount> SpecialKeyIdents = {
    "None",  "Space",   "Backspace", "Enter",   "Escape", "Tab",   "Insert", "Delete",    "Home",
    "Eol",   "Page_Up", "Page_Down", "Up",      "Down",   "Left",  "Right",  "Caps_Lock", "Select",
    "Shift", "Talk",    "Clear",     "ClearLn", "Print",  "Sound", "Other",
};

constexpr int SpecialCodeOf(TSpecialKey kind) {
    return SpecialCodes[std::size_t(kind)];
}

// The kind named by a record identifier, compared without regard to letter case as the record
// reader does for every identifier; nothing when no kind has that name.
std::optional<TSpecialKey> SpecialKeyFromIdent(QByteArrayView ident);
