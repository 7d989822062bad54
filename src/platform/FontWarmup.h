#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Reads the system's font configuration on a thread of its own while the program starts up,
// and once the toolkit is up fills the toolkit's list of the system's fonts: the window's first
// text would otherwise wait for both (a good part of the start). The font library takes its
// configuration once, whichever thread comes first, and the toolkit's list is filled under a
// lock of its own; waiting for the configuration before the first text keeps the reading from
// being done twice.
class TFontWarmup {
public:
    TFontWarmup();
    ~TFontWarmup() { Finish(); }
    TFontWarmup(const TFontWarmup &) = delete;
    TFontWarmup &operator=(const TFontWarmup &) = delete;

    // The toolkit's application object exists: the thread may fill the font list. Finish must
    // then be called before that object goes.
    void ToolkitUp();
    // Returns once the configuration has been read.
    void WaitForConfiguration();
    // Returns once the thread has ended; it does not start on the font list after this.
    void Finish();

private:
    std::mutex FMutex;
    std::condition_variable FChanged;
    bool FConfigured = false;
    bool FToolkitUp = false;
    bool FFinishing = false;
    std::thread FThread;
};
