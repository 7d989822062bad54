#pragma once

#include "Predictor.h"

#include <QMap>
#include <QString>
#include <QStringList>

// The row of word slots above the keys, for one table: shown or not, and how many slots.
struct TSlotSettings {
    static constexpr int MinCount = 3;
    static constexpr int MaxCount = 8;
    static constexpr int DefaultCount = 5;
    bool On = false;
    int Count = DefaultCount;
    bool operator==(const TSlotSettings &) const = default;
};

// The slot settings of every table that has any, by the table's file name; a table without
// any has its default: no slot row, as before prediction existed, except for the shipped
// keyboards ordered by letter frequency for scanning, which come with it on.
class TPredictionSettings {
public:
    // More tables than anyone keeps: a longer list in the file is not ours.
    static constexpr int MaxTables = 1000;
    static TSlotSettings DefaultFor(const QString &tableName);
    TSlotSettings ForTable(const QString &tableName) const;
    void SetForTable(const QString &tableName, const TSlotSettings &settings);
    const QMap<QString, TSlotSettings> &Tables() const { return FTables; }
    bool operator==(const TPredictionSettings &) const = default;

private:
    QMap<QString, TSlotSettings> FTables;
};

// The settings in an INI file of their own beside the configuration file, which knows nothing
// of them.
namespace PredictionFile {
// Larger than the settings of MaxTables tables: not read at all.
constexpr qint64 MaxBytes = 256 * 1024;
// The settings of a regular file of sane size, counts within their range; none otherwise.
TPredictionSettings Read(const QString &fileName);
// Written whole, replacing the file only once complete; false when it could not be.
bool Write(const QString &fileName, const TPredictionSettings &settings);
} // namespace PredictionFile

// What the slots show and what choosing one writes, with the keyboard's Caps Lock and Shift.
class TWordChoice {
public:
    // The words of `count` slots for the text before the caret, empty strings for slots without a
    // word. Shift and Caps Lock write a capital at the start of a word, as they do for a key's
    // text; Caps Lock writes the whole word in capitals.
    static QStringList SlotWords(TPredictor &predictor, const QString &textBeforeCaret, bool shift,
                                 bool capsLock, int count);
    // Choosing `word` (as a slot shows it): the partial word gives way to it and a space.
    TReplacement Choose(TPredictor &predictor, const QString &textBeforeCaret, const QString &word);
    // A key is about to write `insert` after `textBeforeCaret`: the characters to take away
    // first. Punctuation right after a chosen word takes the place of its space.
    qsizetype ReplacedBy(const QString &textBeforeCaret, const QString &insert) const;
    // The text changed: once it differs from what the choice left, the space is the user's.
    void Follow(const QString &textBeforeCaret) {
        if (textBeforeCaret != FAfterChoice)
            FAfterChoice.clear();
    }

    static bool TakesSpace(const QString &insert);

private:
    // The text before the caret right after the last choice.
    QString FAfterChoice;
};
