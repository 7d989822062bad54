#pragma once

#include "KeyOutput.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

// The X server's core keyboard map: the keysyms of each key code, level by level (the first
// two are the unshifted and shifted ones of the first group). Key codes run 8..255.
class TKeyMap {
public:
    static constexpr int MinCode = 8;
    static constexpr int MaxCode = 255;

    // The reply of GetKeyboardMapping: `perCode` keysyms for each code from `firstCode` on.
    static TKeyMap FromCore(int firstCode, int perCode, const std::vector<uint32_t> &keysyms);

    void Set(int keycode, QList<uint32_t> keysyms);
    // NoSymbol (0) where the code or the level has none.
    uint32_t Keysym(int keycode, int level) const;
    // The keysym of a level (0 or 1) in a keyboard group as the core map lists it (the second
    // group in the third and fourth columns); a key without that group types its first one's.
    uint32_t KeysymInGroup(int keycode, int group, int level) const;
    // A code without any keysym: free to lend to a character the map lacks.
    bool IsFree(int keycode) const;
    // The virtual-key code the switch filter gives a press of the key: a key typing a Latin
    // letter unshifted is that letter, the rest of the typing area goes by place, other keys
    // by their keysym; 0 for none.
    int VirtualKey(int keycode) const;

private:
    QList<uint32_t> FKeysyms[MaxCode + 1];
};

// One step sent to the X server: a key code going down or up, or a key code given a keysym.
struct TKeystroke {
    enum TKind { Down, Up, Map };
    TKind Kind;
    int Keycode;
    uint32_t Keysym = 0; // Map only; NoSymbol gives the code back
    bool operator==(const TKeystroke &) const = default;
};

class TKeystrokeSink {
public:
    virtual ~TKeystrokeSink() = default;
    virtual void Send(const TKeystroke &stroke) = 0;
    // Everything sent so far is on its way.
    virtual void Flush() {}
};

// Turns characters and keystroke keys into key codes of the map. A keysym the map has on a
// key's first level is that key; on its second level, that key with Shift. Anything else (a
// Czech letter on an English layout, a letter only AltGr reaches) borrows a free key code,
// remapped to that keysym, as on-screen keyboards do on X; the borrowed codes are kept mapped
// while they are in use, because a client reads the map only when it learns of the change,
// and get their old emptiness back on Restore(). Key codes in `reserved` (the switch keys,
// grabbed for the whole display) are never pressed: their keysyms go through a borrowed code
// too, so a keystroke of ours never reaches the grab.
class TKeystrokeTranslator final : public TKeyOutput {
public:
    TKeystrokeTranslator(TKeyMap map, TKeystrokeSink &sink);
    ~TKeystrokeTranslator() override;

    void SetReserved(const QList<int> &keycodes) { FReserved = keycodes; }
    // The X server's Caps Lock is on: the case is already chosen, so a text is typed with it
    // switched off for the while.
    void SetCapsLocked(bool on) { FCapsLocked = on; }
    // The keyboard group (layout) in use: 0 or 1, which the core map shows; a higher one leaves
    // every character to a borrowed code.
    void SetGroup(int group) { FGroup = group; }
    void SetMap(TKeyMap map) { FMap = std::move(map); }

    void TypeText(const QString &text) override;
    void PressKey(int virtualKey, bool withShift = false) override;
    void Restore() override;

    // The keysym that types a character; NoSymbol for none (control characters).
    static uint32_t KeysymOfChar(char32_t ch);
    // The keysym of a keystroke key's virtual-key code; NoSymbol for codes without a key.
    static uint32_t KeysymOfVirtualKey(int virtualKey);
    // The virtual-key code of a keysym: the inverse of KeysymOfVirtualKey, letters and digits
    // included; 0 for none.
    static int VirtualKeyOfKeysym(uint32_t keysym);

private:
    void Press(uint32_t keysym, bool withShift);
    int KeycodeOf(uint32_t keysym) const;
    int Borrowed(uint32_t keysym);
    bool Usable(int keycode) const { return !FReserved.contains(keycode); }

    struct TLoan {
        int Keycode;
        uint32_t Keysym;
    };
    TKeyMap FMap;
    TKeystrokeSink &FSink;
    QList<int> FReserved;
    bool FCapsLocked = false;
    int FGroup = 0;
    // Borrowed codes, the least recently used first.
    QList<TLoan> FLoans;
};
