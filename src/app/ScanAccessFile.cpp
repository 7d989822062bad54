#include "ScanAccessFile.h"

#include "IniFile.h"

#include <QFileInfo>
#include <QSettings>

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
    if (!IniFile::Readable(fileName, MaxFileSize))
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
    return IniFile::Write(fileName, [&access](QSettings &file) { WriteValues(file, access); });
}
