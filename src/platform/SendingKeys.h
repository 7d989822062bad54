#pragma once

// Raised while the program sends keystrokes of its own to the display; the switch filter then
// lets every key pass, so the program's own Space or Enter is never taken for a switch.
extern bool SendingKeys;

// Raises SendingKeys for its lifetime and restores the previous value, also on an error.
class TSendingKeys {
public:
    TSendingKeys()
        : FWas(SendingKeys) {
        SendingKeys = true;
    }
    ~TSendingKeys() { SendingKeys = FWas; }
    TSendingKeys(const TSendingKeys &) = delete;
    TSendingKeys &operator=(const TSendingKeys &) = delete;

private:
    bool FWas;
};
