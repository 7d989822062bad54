#include "ServiceVoiceFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// One voice id fits many times over; anything larger is no file of ours.
constexpr qint64 kMaxBytes = 4096;
const QString kKey = QStringLiteral("Service/Voice");

} // namespace

QString ServiceVoiceFile::Read(const QString &path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxBytes)
        return {};
    const QSettings file(path, QSettings::IniFormat);
    const QString id = file.value(kKey).toString();
    return id.startsWith(QLatin1String("spd:")) && id.size() <= 512 ? id : QString();
}

bool ServiceVoiceFile::Write(const QString &path, const QString &voiceId) {
    if (voiceId.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);
    QSettings file(path, QSettings::IniFormat);
    file.setValue(kKey, voiceId);
    file.sync();
    return file.status() == QSettings::NoError;
}
