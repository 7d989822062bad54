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
//   "OPLX"  u32 version (1)  u32 word count  u32 text bytes
//   per word, sorted by its folded form (lower case, no diacritics, UTF-8), then by frequency:
//     u32 offset in the text  u8 bytes of the word  u8 bytes of its folded form  u16 zero
//     u32 frequency
//   the text: each word in UTF-8 followed by its folded form
class TLexicon {
public:
    static constexpr quint32 Version = 1;
    static constexpr qsizetype HeaderSize = 16;
    static constexpr qsizetype EntrySize = 12;
    // More words than any frequency list we ship; a count above it is damage.
    static constexpr quint32 MaxWords = 1000000;

    // Builds the compact form of `words` (word as shown, frequency); the order does not matter.
    // Words longer than 255 bytes, or with an empty folded form, are left out.
    static QByteArray Build(const QList<std::pair<QString, quint32>> &words);

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
    // The most frequent words, best first: the fallback when nothing else is known.
    const QList<qsizetype> &Top() const { return FTop; }

private:
    const uchar *Entry(qsizetype i) const;
    QByteArray FBytes;
    const uchar *FEntries = nullptr;
    const char *FText = nullptr;
    qsizetype FCount = 0;
    QList<qsizetype> FTop;
    QList<float> FLogFrequency;
};
