#pragma once

#include "LocalSocket.h"

#include <QString>

// Makes sure only one copy of the program runs for a user: a lock held on a file in the user's
// runtime directory (the system lets go of it when the copy holding it ends, however it ends),
// and a local socket the running copy listens on, named after that directory.
class TSingleInstance {
public:
    // `directory` holds the lock and socket; empty means the user's runtime directory.
    explicit TSingleInstance(const QString &name, const QString &directory = QString());
    ~TSingleInstance();

    TSingleInstance(const TSingleInstance &) = delete;
    TSingleInstance &operator=(const TSingleInstance &) = delete;

    // True when this process is now the only copy; false when another copy holds the lock. Where
    // no lock can be had at all (the folder cannot be written), the program runs unguarded.
    bool Acquire();
    bool IsPrimary() const { return FPrimary; }

    QString LockPath() const;
    QString SocketName() const;

private:
    QString FName;
    QString FDirectory;
    int FLockFd = -1;
    TLocalListener FServer;
    bool FPrimary = false;
};
