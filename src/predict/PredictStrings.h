#pragma once

#include <QString>

// Why a file of prediction was refused, in English: details for the log and the command-line
// tool. The window puts them into a message of its own, in the interface language.
namespace PredictStrings {

inline QString NotALexicon() {
    return QStringLiteral("not a word list of this program");
}
inline QString LexiconVersion() {
    return QStringLiteral("word list version %1 is not known");
}
inline QString TooManyWords() {
    return QStringLiteral("%1 words are more than the %2 allowed");
}
inline QString LexiconSize() {
    return QStringLiteral("the word list is %1 bytes, its header says otherwise");
}
inline QString WordOutside() {
    return QStringLiteral("word %1 lies outside the list");
}
inline QString WordOutOfOrder() {
    return QStringLiteral("word %1 is out of order");
}
inline QString TooManyPairs() {
    return QStringLiteral("%1 word pairs are more than the %2 allowed");
}
inline QString PairOutside() {
    return QStringLiteral("word pair %1 names a word outside the list");
}
inline QString PairOutOfOrder() {
    return QStringLiteral("word pair %1 is out of order");
}
inline QString LexiconTooLarge() {
    return QStringLiteral("%1: the file is too large for a word list");
}
inline QString AtLine() {
    return QStringLiteral("line %1: %2");
}
inline QString ModelTooLarge() {
    return QStringLiteral("the file is larger than a model of learned words can be");
}
inline QString NotAModel() {
    return QStringLiteral("not a file of learned words");
}
inline QString NoClock() {
    return QStringLiteral("the clock is missing");
}
inline QString ClockNotNumber() {
    return QStringLiteral("the clock is not a number");
}
inline QString EmptyLine() {
    return QStringLiteral("empty line");
}
inline QString DamagedWord() {
    return QStringLiteral("a damaged word");
}
inline QString WordTwice() {
    return QStringLiteral("the word is listed twice");
}
inline QString MoreWords() {
    return QStringLiteral("more words than the %1 kept");
}
inline QString DamagedPair() {
    return QStringLiteral("a damaged pair of words");
}
inline QString PairTwice() {
    return QStringLiteral("the pair is listed twice");
}
inline QString MorePairs() {
    return QStringLiteral("more pairs than the %1 kept");
}
inline QString UnknownRecord() {
    return QStringLiteral("neither a word nor a pair");
}

} // namespace PredictStrings
