#include "FontWarmup.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef ORVANTA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

TFontWarmup::TFontWarmup() {
    FThread = std::thread([this] {
#ifdef ORVANTA_HAVE_FONTCONFIG
        FcInit();
#endif
        std::unique_lock lock(FMutex);
        FConfigured = true;
        FChanged.notify_all();
        FChanged.wait(lock, [this] { return FToolkitUp || FFinishing; });
        if (FFinishing)
            return;
        lock.unlock();
        // Filling the list is all this asks for.
        QFontDatabase::families();
    });
}

void TFontWarmup::ToolkitUp() {
    const std::lock_guard lock(FMutex);
    FToolkitUp = true;
    FChanged.notify_all();
}

void TFontWarmup::WaitForConfiguration() {
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return FConfigured; });
}

void TFontWarmup::Finish() {
    {
        const std::lock_guard lock(FMutex);
        FFinishing = true;
        FChanged.notify_all();
    }
    if (FThread.joinable())
        FThread.join();
}
