#include "EndTimer.h"

#include <mutex>

struct TEndTimer::TLink {
    std::mutex Mutex;
    TEndTimer *Owner = nullptr;
};

TEndTimer::TEndTimer(std::function<void()> done, QObject *parent)
    : QObject(parent)
    , FDone(std::move(done))
    , FLink(std::make_shared<TLink>()) {
    FLink->Owner = this;
    FEnd.setSingleShot(true);
    FEnd.setTimerType(Qt::PreciseTimer);
    connect(&FEnd, &QTimer::timeout, this, [this] {
        if (FDone)
            FDone();
    });
}

TEndTimer::~TEndTimer() {
    std::lock_guard lock(FLink->Mutex);
    FLink->Owner = nullptr;
}

std::function<void(qint64)> TEndTimer::Expect() {
    const quint64 sound = ++FSound;
    FEnd.stop();
    const std::weak_ptr<TLink> link = FLink;
    return [link, sound](qint64 remainingMs) {
        // From the engine's thread: posted while the owner is known to live.
        const std::shared_ptr<TLink> alive = link.lock();
        if (!alive)
            return;
        std::lock_guard lock(alive->Mutex);
        if (TEndTimer *owner = alive->Owner)
            QMetaObject::invokeMethod(
                owner, [owner, sound, remainingMs] { owner->Heard(sound, remainingMs); },
                Qt::QueuedConnection);
    };
}

void TEndTimer::Cancel() {
    ++FSound;
    FEnd.stop();
}

void TEndTimer::Heard(quint64 sound, qint64 remainingMs) {
    if (sound != FSound)
        return;
    FEnd.start(int(qBound(qint64(0), remainingMs, qint64(60000))));
}
