#include "WatchedKeys.h"

#include "Error.h"
#include "ScanStrings.h"

TWatchedKeys TWatchedKeys::FromCodes(int code1, int code2) {
    TWatchedKeys keys;
    keys.Insert(code1);
    keys.Insert(code2);
    return keys;
}

void TWatchedKeys::Insert(int code) {
    if (code < 0 || code >= KeyCount)
        throw TError(ScanStrings::WatchedKeyRangeError(code));
    FBits.set(code);
}
