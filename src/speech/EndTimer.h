#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

// Waits out what is still to be heard of a sound once its engine has made all of it, then tells
// it on this object's thread. An engine reports from its own thread, at any time: a report of a
// sound that a newer one or a cut has made meaningless, or one that comes after this object has
// gone, is dropped.
class TEndTimer final : public QObject {
    Q_OBJECT

public:
    explicit TEndTimer(std::function<void()> done, QObject *parent = nullptr);
    ~TEndTimer() override;

    // A new sound starts; what to hand its engine, to be called with the milliseconds still to
    // be heard once the sound is made.
    std::function<void(qint64 remainingMs)> Expect();
    // The sound was cut: its end is never told.
    void Cancel();

private:
    struct TLink;

    void Heard(quint64 sound, qint64 remainingMs);

    std::function<void()> FDone;
    QTimer FEnd;
    quint64 FSound = 0;
    std::shared_ptr<TLink> FLink;
};
