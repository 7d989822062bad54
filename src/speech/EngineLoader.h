#pragma once

#include "EngineSet.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <thread>

// Loads the engines' module on a thread of its own and hands the engines, up and ready, to the
// user-interface thread; nothing there ever waits for the loading. The module stays loaded for
// the rest of the run.
class TEngineLoader {
public:
    // Told on the user-interface thread: the engines, or none with the reason.
    using TDone = std::function<void(std::unique_ptr<TEngineSet> engines, const QString &error)>;

    // `candidates` are the module's files to try, in order.
    TEngineLoader(QStringList candidates, TEngineOptions options);
    // Waits for a loading under way (the engine's start is short); a result not yet told is
    // dropped with the engines.
    ~TEngineLoader();
    TEngineLoader(const TEngineLoader &) = delete;
    TEngineLoader &operator=(const TEngineLoader &) = delete;

    // Once; `done` is told from the event loop of the thread calling this.
    void Start(TDone done);

    // Where the module lies: beside the program (a build), or in the program's library folder
    // `moduleDir` (relative to the program's folder, when installed).
    static QStringList Candidates(const QString &programDir, const QString &moduleDir);

private:
    const QStringList FCandidates;
    const TEngineOptions FOptions;
    // Receives the result; gone with the loader, so a late result is never told.
    std::unique_ptr<QObject> FReceiver = std::make_unique<QObject>();
    std::thread FThread;
};
