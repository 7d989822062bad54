#include "TypingFile.h"

#include "IniFile.h"

#include <QSettings>

namespace {

constexpr qint64 MaxFileSize = 4 * 1024;
const QString Key = QStringLiteral("Typing/OtherApplications");

} // namespace

bool TypingFile::Read(const QString &fileName) {
    if (!IniFile::Readable(fileName, MaxFileSize))
        return false;
    const QSettings file(fileName, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return false;
    return file.value(Key, false).toBool();
}

bool TypingFile::Write(const QString &fileName, bool typesOutside) {
    return IniFile::Write(fileName,
                          [typesOutside](QSettings &file) { file.setValue(Key, typesOutside); });
}
