#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

bool IniFile::Readable(const QString &path, qint64 maxBytes) {
    const QFileInfo info(path);
    return info.isFile() && info.size() <= maxBytes;
}

bool IniFile::Write(const QString &path, const std::function<void(QSettings &)> &fill) {
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ini"));
    QByteArray bytes;
    {
        QSettings file(fresh, QSettings::IniFormat);
        fill(file);
        file.sync();
        if (file.status() != QSettings::NoError)
            return false;
        // Nothing set writes no file: an empty one then.
        QFile written(fresh);
        if (written.exists()) {
            if (!written.open(QIODevice::ReadOnly))
                return false;
            bytes = written.readAll();
        }
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
