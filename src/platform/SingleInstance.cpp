#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

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
    if (FLock)
        FLock->unlock();
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
    FLock = std::make_unique<QLockFile>(LockPath());
    FLock->setStaleLockTime(0);
    // A lock whose owner process is gone is stale and taken over; a live one never expires.
    if (!FLock->tryLock(0))
        return false;
    FServer.Listen(SocketName());
    FPrimary = true;
    return true;
}
