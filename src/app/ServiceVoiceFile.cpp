#include "ServiceVoiceFile.h"

#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// One voice id fits many times over; anything larger is no file of ours.
constexpr qint64 kMaxBytes = 4096;
const QString kKey = QStringLiteral("Service/Voice");

} // namespace

QString ServiceVoiceFile::Read(const QString &path) {
    if (!IniFile::Readable(path, kMaxBytes))
        return {};
    const QSettings file(path, QSettings::IniFormat);
    const QString id = file.value(kKey).toString();
    return id.startsWith(QLatin1String("spd:")) && id.size() <= 512 ? id : QString();
}

bool ServiceVoiceFile::Write(const QString &path, const QString &voiceId) {
    if (voiceId.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);
    return IniFile::Write(path, [&voiceId](QSettings &file) { file.setValue(kKey, voiceId); });
}
