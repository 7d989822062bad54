#include "ScanAccessFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The file holds a dozen short values; anything far larger is not ours, and parsing it would
// cost memory in proportion (QSettings keeps every key).
constexpr qint64 MaxFileSize = 64 * 1024;

// A number from the file, or `fallback` when it is missing or no number; the range is checked
// afterwards for all fields at once.
qint32 Number(const QSettings &file, const QString &key, qint32 fallback) {
    bool ok = false;
    const qlonglong value = file.value(key).toLongLong(&ok);
    if (!ok)
        return fallback;
    return qint32(qBound(qlonglong(-TScanAccess::MaxTime), value, qlonglong(TScanAccess::MaxTime)));
}

bool Flag(const QSettings &file, const QString &key, bool fallback) {
    const QVariant value = file.value(key);
    return value.isValid() ? value.toBool() : fallback;
}

void WriteValues(QSettings &file, const TScanAccess &access) {
    file.setValue(QStringLiteral("Switches/AcceptTime"), access.AcceptTime);
    file.setValue(QStringLiteral("Switches/IgnoreAfter"), access.IgnoreAfter);
    file.setValue(QStringLiteral("Scan/StopRounds"), access.StopRounds);
    file.setValue(QStringLiteral("Scan/StartOnPress"), access.StartOnPress);
    file.setValue(QStringLiteral("Scan/WaitForSpeech"), access.WaitForSpeech);
    file.setValue(QStringLiteral("Scan/FirstStepExtra"), access.FirstStepExtra);
    file.setValue(QStringLiteral("Scan/ResumeAt"), int(access.ResumeAt));
    file.setValue(QStringLiteral("Prompts/Enabled"), access.Prompts);
    file.setValue(QStringLiteral("Prompts/Row"), int(access.RowPrompt));
    file.setValue(QStringLiteral("Prompts/Voice"), access.PromptVoice);
    file.setValue(QStringLiteral("Output/Speech"), access.SpeechDevice);
    file.setValue(QStringLiteral("Output/Prompts"), access.PromptDevice);
    file.setValue(QStringLiteral("Prompts/Rate"), access.PromptRate);
    file.setValue(QStringLiteral("Prompts/Volume"), access.PromptVolume);
    file.setValue(QStringLiteral("Prompts/Pause"), access.PromptPause);
}

} // namespace

TScanAccess ScanAccessFile::Read(const QString &fileName) {
    TScanAccess a;
    // Only a regular file: a pipe in its place would block the start forever.
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > MaxFileSize)
        return a;
    const QSettings file(fileName, QSettings::IniFormat);
    a.AcceptTime = Number(file, QStringLiteral("Switches/AcceptTime"), a.AcceptTime);
    a.IgnoreAfter = Number(file, QStringLiteral("Switches/IgnoreAfter"), a.IgnoreAfter);
    a.StopRounds = Number(file, QStringLiteral("Scan/StopRounds"), a.StopRounds);
    a.StartOnPress = Flag(file, QStringLiteral("Scan/StartOnPress"), a.StartOnPress);
    a.WaitForSpeech = Flag(file, QStringLiteral("Scan/WaitForSpeech"), a.WaitForSpeech);
    a.FirstStepExtra = Number(file, QStringLiteral("Scan/FirstStepExtra"), a.FirstStepExtra);
    a.ResumeAt =
        TResumeAt(quint8(qBound(0, Number(file, QStringLiteral("Scan/ResumeAt"), 0), 255)));
    a.Prompts = Flag(file, QStringLiteral("Prompts/Enabled"), a.Prompts);
    a.RowPrompt =
        TRowPrompt(quint8(qBound(0, Number(file, QStringLiteral("Prompts/Row"), 0), 255)));
    a.PromptVoice = file.value(QStringLiteral("Prompts/Voice")).toString().left(200);
    a.SpeechDevice = file.value(QStringLiteral("Output/Speech")).toString();
    a.PromptDevice = file.value(QStringLiteral("Output/Prompts")).toString();
    a.PromptRate = Number(file, QStringLiteral("Prompts/Rate"), a.PromptRate);
    a.PromptVolume = Number(file, QStringLiteral("Prompts/Volume"), a.PromptVolume);
    a.PromptPause = Number(file, QStringLiteral("Prompts/Pause"), a.PromptPause);
    return a.Bounded();
}

bool ScanAccessFile::Write(const QString &fileName, const TScanAccess &access) {
    if (access == TScanAccess() && !QFileInfo::exists(fileName))
        return true;
    // Written afresh beside nothing, then put in place whole: the old file is never parsed, so a
    // damaged or bloated one can neither make the write look failed nor be carried over.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString fresh = scratch.filePath(QStringLiteral("ScanAccess.ini"));
    QByteArray bytes;
    {
        QSettings file(fresh, QSettings::IniFormat);
        WriteValues(file, access);
        file.sync();
        if (file.status() != QSettings::NoError)
            return false;
        QFile written(fresh);
        if (!written.open(QIODevice::ReadOnly))
            return false;
        bytes = written.readAll();
    }
    QSaveFile out(fileName);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
