#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the requests to end that come from outside (SIGTERM from a session ending or a service
// manager, SIGHUP when the terminal goes, SIGINT) into a signal on the event loop, so that the
// program closes as its own "end" command does instead of dying with unsaved work. One instance
// at a time; the previous handlers return when it is destroyed.
class TQuitSignals : public QObject {
    Q_OBJECT

public:
    explicit TQuitSignals(QObject *parent = nullptr);
    ~TQuitSignals() override;

    TQuitSignals(const TQuitSignals &) = delete;
    TQuitSignals &operator=(const TQuitSignals &) = delete;

    // False when the handlers could not be installed.
    bool Installed() const { return FNotifier != nullptr; }

signals:
    // An end was asked for; emitted once per signal received.
    void Requested(int signalNumber);

private:
    void Drain();

    QSocketNotifier *FNotifier = nullptr;
};
