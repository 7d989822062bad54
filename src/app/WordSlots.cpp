#include "WordSlots.h"

#include "IniFile.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString TableKey(const QString &tableName) {
    return QFileInfo(tableName).fileName().toLower();
}

} // namespace

TSlotSettings TPredictionSettings::DefaultFor(const QString &tableName) {
    // Made to cost the fewest switch presses a letter: words from the slots save more.
    static const QStringList slotsOn = {QStringLiteral("pismena-frekvence.kbt"),
                                        QStringLiteral("en-letters-frequency.kbt")};
    TSlotSettings s;
    s.On = slotsOn.contains(TableKey(tableName));
    return s;
}

TSlotSettings TPredictionSettings::ForTable(const QString &tableName) const {
    const QString key = TableKey(tableName);
    return FTables.value(key, DefaultFor(key));
}

void TPredictionSettings::SetForTable(const QString &tableName, const TSlotSettings &settings) {
    const QString key = TableKey(tableName);
    if (key.isEmpty())
        return;
    if (settings == DefaultFor(key))
        FTables.remove(key);
    else if (FTables.contains(key) || FTables.size() < MaxTables)
        FTables.insert(key, settings);
}

namespace {
const QString TablesGroup = QStringLiteral("Tables");
}

TPredictionSettings PredictionFile::Read(const QString &fileName) {
    TPredictionSettings settings;
    if (!IniFile::Readable(fileName, MaxBytes))
        return settings;
    QSettings file(fileName, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return settings;
    file.beginGroup(TablesGroup);
    const QStringList tables = file.childKeys();
    for (const QString &table : tables) {
        // "on 5" or "off 5"; a damaged value leaves that table without slots.
        const QStringList parts =
            file.value(table).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() != 2)
            continue;
        bool ok = false;
        const int count = parts.at(1).toInt(&ok);
        if (!ok)
            continue;
        TSlotSettings s;
        s.On = parts.at(0) == QLatin1String("on");
        s.Count = qBound(TSlotSettings::MinCount, count, TSlotSettings::MaxCount);
        settings.SetForTable(table, s);
    }
    return settings;
}

bool PredictionFile::Write(const QString &fileName, const TPredictionSettings &settings) {
    if (settings.Tables().isEmpty() && !QFileInfo::exists(fileName))
        return true;
    return IniFile::Write(fileName, [&settings](QSettings &file) {
        file.beginGroup(TablesGroup);
        for (auto it = settings.Tables().cbegin(); it != settings.Tables().cend(); ++it)
            file.setValue(it.key(), QStringLiteral("%1 %2")
                                        .arg(it->On ? QStringLiteral("on") : QStringLiteral("off"))
                                        .arg(it->Count));
        file.endGroup();
    });
}

QStringList TWordChoice::SlotWords(TPredictor &predictor, const QString &textBeforeCaret,
                                   bool shift, bool capsLock, int count) {
    QStringList words = predictor.Candidates(textBeforeCaret, shift || capsLock, count);
    if (capsLock) {
        for (QString &w : words)
            w = w.toUpper();
    }
    while (words.size() < count)
        words.append(QString());
    return words.mid(0, count);
}

TReplacement TWordChoice::Choose(TPredictor &predictor, const QString &textBeforeCaret,
                                 const QString &word) {
    if (word.isEmpty())
        return {};
    const TReplacement r = predictor.Accept(textBeforeCaret, word);
    FAfterChoice = textBeforeCaret.left(textBeforeCaret.size() - r.Remove) + r.Insert;
    return r;
}

bool TWordChoice::TakesSpace(const QString &insert) {
    if (insert.isEmpty())
        return false;
    static const QString marks = QStringLiteral(".,!?;:)…");
    return marks.contains(insert.front());
}

qsizetype TWordChoice::ReplacedBy(const QString &textBeforeCaret, const QString &insert) const {
    const bool afterChoice = !FAfterChoice.isEmpty() && textBeforeCaret == FAfterChoice &&
                             FAfterChoice.endsWith(QLatin1Char(' '));
    return afterChoice && TakesSpace(insert) ? 1 : 0;
}
