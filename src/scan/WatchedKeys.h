#pragma once

#include <bitset>

// The keys that act as switches: one bit per virtual-key code 0..255.
class TWatchedKeys {
public:
    static constexpr int KeyCount = 256;

    TWatchedKeys() = default;
    // {code1, code2}. Throws TError when a code is outside 0..255: it could never be watched.
    static TWatchedKeys FromCodes(int code1, int code2);

    // False for any code outside 0..255.
    bool Contains(int code) const { return code >= 0 && code < KeyCount && FBits.test(code); }
    // Throws TError when the code is outside 0..255.
    void Insert(int code);
    bool IsEmpty() const { return FBits.none(); }

    bool operator==(const TWatchedKeys &) const = default;

private:
    std::bitset<KeyCount> FBits;
};
