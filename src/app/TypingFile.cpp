#include "TypingFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace {

constexpr qint64 MaxFileSize = 4 * 1024;
const QString Section = QStringLiteral("[Typing]");
const QString Key = QStringLiteral("OtherApplications");

} // namespace

bool TypingFile::Read(const QString &fileName) {
    // Only a regular file: a pipe in its place would block the start forever.
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > MaxFileSize)
        return false;
    const QSettings file(fileName, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return false;
    return file.value(QStringLiteral("Typing/") + Key, false).toBool();
}

bool TypingFile::Write(const QString &fileName, bool typesOutside) {
    // One value: written out by hand, so nothing of an old or damaged file is carried over.
    const QByteArray bytes =
        (Section + QLatin1Char('\n') + Key + QLatin1Char('=') +
         (typesOutside ? QStringLiteral("true") : QStringLiteral("false")) + QLatin1Char('\n'))
            .toUtf8();
    // The configuration folder is made at the first end of the program; the mode may be
    // switched on before that.
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile out(fileName);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
