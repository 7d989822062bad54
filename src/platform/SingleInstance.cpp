#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TSingleInstance::TSingleInstance(const QString &name, const QString &directory)
    : FName(name)
    , FDirectory(directory) {
    if (FDirectory.isEmpty())
        FDirectory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (FDirectory.isEmpty())
        FDirectory = QDir::tempPath();
}

TSingleInstance::~TSingleInstance() {
    FServer.Close();
    // The file stays: removing it could let a copy starting now lock a file no longer there.
    if (FLockFd >= 0)
        ::close(FLockFd);
}

QString TSingleInstance::LockPath() const {
    return QDir(FDirectory).filePath(FName + QLatin1String(".lock"));
}

QString TSingleInstance::SocketName() const {
    // Socket names are limited in length; a hash of the directory keeps them short and distinct.
    const QByteArray hash =
        QCryptographicHash::hash(FDirectory.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return FName + QLatin1Char('-') + QString::fromLatin1(hash);
}

bool TSingleInstance::Acquire() {
    if (FPrimary)
        return true;
    QDir().mkpath(FDirectory);
    const QByteArray path = QFile::encodeName(LockPath());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        FLockFd = fd;
    } else {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        if (error == EWOULDBLOCK)
            return false;
        std::fprintf(stderr, "orvanta: cannot lock %s (%s); starting unguarded\n", path.constData(),
                     std::strerror(error));
    }
    FServer.Listen(SocketName());
    FPrimary = true;
    return true;
}
