#pragma once

#include <QChar>
#include <QString>

// How prediction sees the text before the caret: words, their folded form (lower case, no
// diacritics) and where sentences start. Pure functions on QString.
namespace PredictText {

// Lower case without diacritics, one character for one ("Č" -> "c", "ů" -> "u"), so a folded
// prefix lines up with the word it came from.
QChar FoldChar(QChar c);
QString Fold(const QString &text);
// True when a character of `lowered` (lower case) carries a diacritic.
bool HasDiacritics(const QString &lowered);

// A letter, or an apostrophe between letters ("don't"): what words are made of.
bool IsWordChar(const QString &text, qsizetype i);
// The start of the word that ends at the end of `text` (text.size() when the text ends in a
// space, punctuation or is empty).
qsizetype WordStart(const QString &text);
// Characters that end a sentence, after which the composer writes a capital.
bool IsSentenceEnd(QChar c);
// True when a word starting at `pos` begins a sentence or a line: only spaces lie between it
// and the start of the text, a line break, or a sentence end.
bool AtSentenceStart(const QString &text, qsizetype pos);

// Calls `ended(start, end)` for each word of `text` that begins at or after `from` and is ended,
// in order: followed by a space or punctuation and not written right after a digit. A word that
// reaches the end of the text is still being typed and is not ended. What is learned is these.
template <class TEnded>
void ForEachEndedWord(const QString &text, qsizetype from, TEnded &&ended) {
    qsizetype i = from;
    while (i < text.size()) {
        if (!IsWordChar(text, i)) {
            ++i;
            continue;
        }
        const qsizetype s = i;
        while (i < text.size() && IsWordChar(text, i))
            ++i;
        if (i == text.size())
            return;
        const QChar after = text.at(i);
        if ((s == 0 || !text.at(s - 1).isDigit()) && (after.isSpace() || after.isPunct()))
            ended(s, i);
    }
}

// The word before the one starting at `pos`, lower case, or an empty string when that word
// begins a sentence (the key the user model keeps sentence starts under).
QString PreviousWord(const QString &text, qsizetype pos);

// `word` in the case the text asks for: all capitals when `typed` has two or more letters all in
// capitals (Caps Lock), a capital first letter when `capital` or the first typed letter is one,
// otherwise as stored. Capitals stored in the word ("I'm") are kept.
QString ApplyCase(const QString &word, const QString &typed, bool capital);

} // namespace PredictText
