#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the program starts up:
// the first text laid out would otherwise wait for it (a good part of the start). The font
// library takes its configuration once, whichever thread comes first, so this is safe; Wait
// before the first text is laid out keeps the work from being done twice.
class TFontWarmup {
public:
    TFontWarmup();
    ~TFontWarmup() { Wait(); }
    TFontWarmup(const TFontWarmup &) = delete;
    TFontWarmup &operator=(const TFontWarmup &) = delete;

    void Wait() {
        if (FThread.joinable())
            FThread.join();
    }

private:
    std::thread FThread;
};
