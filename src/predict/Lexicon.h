#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// The shipped words of one language with their frequencies, in the compact form the build makes
// from the frequency lists. The bytes are kept as read and searched in place, so loading costs
// one read and one pass of checks.
//
// Layout (little-endian):
//   "OPLX"  u32 version (2)  u32 word count  u32 text bytes  u32 pair count
//   per word, sorted by its folded form (lower case, no diacritics, UTF-8), then by frequency:
//     u32 offset in the text  u8 bytes of the word  u8 bytes of its folded form  u16 zero
//     u32 frequency
//   the text: each word in UTF-8 followed by its folded form
//   the word pairs of written text, sorted by first word, then second word:
//     u32 entry of the first word (SentenceStart for the start of a sentence)
//     u32 entry of the second word  u32 count (not zero)
// Version 1 files have neither the pair count nor pairs.
class TLexicon {
public:
    static constexpr quint32 Version = 2;
    static constexpr qsizetype HeaderSize = 20;
    static constexpr qsizetype EntrySize = 12;
    static constexpr qsizetype PairSize = 12;
    // More words than any frequency list we ship; a count above it is damage.
    static constexpr quint32 MaxWords = 1000000;
    static constexpr quint32 MaxPairs = 4000000;
    static constexpr quint32 SentenceStart = 0xffffffffu;

    // A pair of words seen in text: `First` lower case, empty for the start of a sentence.
    struct TPair {
        QString First;
        QString Second;
        quint32 Count = 0;
    };

    // Builds the compact form of `words` (word as shown, frequency); the order does not matter.
    // Words longer than 255 bytes, or with an empty folded form, are left out, and so are pairs
    // with a word the list lacks (pairs given twice add up).
    static QByteArray Build(const QList<std::pair<QString, quint32>> &words,
                            const QList<TPair> &pairs = {});

    // Takes the compact form; false with `error` set when the bytes are not one, and the
    // lexicon is then empty.
    bool Read(const QByteArray &bytes, QString *error);
    bool Load(const QString &path, QString *error);

    qsizetype Size() const { return FCount; }
    bool IsEmpty() const { return FCount == 0; }

    // The entries whose folded form starts with `foldedPrefix` (UTF-8): [first, last).
    std::pair<qsizetype, qsizetype> Range(const QByteArray &foldedPrefix) const;
    QString Word(qsizetype i) const;
    QByteArray FoldedBytes(qsizetype i) const;
    // True when the word as stored starts with the bytes of `prefix` (UTF-8), without decoding.
    bool WordStartsWith(qsizetype i, const QByteArray &prefix) const;
    quint32 Frequency(qsizetype i) const;
    // ln(1 + frequency), kept from loading: ranking needs it for every word of a range.
    float LogFrequency(qsizetype i) const { return FLogFrequency[i]; }
    int FoldedSize(qsizetype i) const { return Entry(i)[5]; }
    // The frequency of `word` (any case), 0 when the lexicon lacks it; `shown` receives the
    // word as stored ("I'm" for "i'm").
    quint32 FrequencyOf(const QString &word, QString *shown = nullptr) const;
    // The entry of `word` (lower case as the text has it), -1 when the lexicon lacks it.
    qsizetype IndexOf(const QString &word) const;
    // The most frequent words, best first: the fallback when nothing else is known.
    const QList<qsizetype> &Top() const { return FTop; }

    // The shipped pairs that start with entry `first` (SentenceStart for a sentence start):
    // [begin, end) of PairSecond / PairCount, ordered by the second word's entry.
    std::pair<qsizetype, qsizetype> Pairs(quint32 first) const;
    qsizetype PairsSize() const { return FPairCount; }
    qsizetype PairSecond(qsizetype p) const { return qsizetype(U32At(FPairs + p * PairSize + 4)); }
    quint32 PairCount(qsizetype p) const { return U32At(FPairs + p * PairSize + 8); }
    // The count of the pair (first, second), 0 when not shipped; [begin, end) from Pairs().
    quint32 PairCountOf(std::pair<qsizetype, qsizetype> range, qsizetype second) const;

private:
    static quint32 U32At(const uchar *p) {
        return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
    }
    const uchar *Entry(qsizetype i) const;
    const uchar *FPairs = nullptr;
    qsizetype FPairCount = 0;
    QByteArray FBytes;
    const uchar *FEntries = nullptr;
    const char *FText = nullptr;
    qsizetype FCount = 0;
    QList<qsizetype> FTop;
    QList<float> FLogFrequency;
};
