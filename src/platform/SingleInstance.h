#pragma once

#include "LocalSocket.h"

#include <QLockFile>
#include <QString>
#include <memory>

// Makes sure only one copy of the program runs for a user: a lock file in the user's runtime
// directory (a lock left behind by a crashed copy is taken over), and a local socket the running
// copy listens on, named after that directory.
class TSingleInstance {
public:
    // `directory` holds the lock and socket; empty means the user's runtime directory.
    explicit TSingleInstance(const QString &name, const QString &directory = QString());
    ~TSingleInstance();

    TSingleInstance(const TSingleInstance &) = delete;
    TSingleInstance &operator=(const TSingleInstance &) = delete;

    // True when this process is now the only copy; false when another copy holds the lock.
    bool Acquire();
    bool IsPrimary() const { return FPrimary; }

    QString LockPath() const;
    QString SocketName() const;

private:
    QString FName;
    QString FDirectory;
    std::unique_ptr<QLockFile> FLock;
    TLocalListener FServer;
    bool FPrimary = false;
};
