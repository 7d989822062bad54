#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

// How often and how lately the user wrote a word or a pair of words. `Last` is the model's own
// clock (one tick a learned word), so the model's behaviour does not depend on the wall clock.
struct TWordUse {
    quint32 Count = 0;
    quint32 Last = 0;
};

// What the user has written: words and pairs of successive words (a pair with an empty first
// word is a word that began a sentence). Kept bounded: when it grows past its limits the words
// least worth keeping (rare and long unused) go first. It stays on the machine, in a file of the
// caller's choice, as UTF-8 text:
//   orvanta-words 1
//   clock N
//   w <TAB> word <TAB> count <TAB> last
//   p <TAB> previous word (may be empty) <TAB> word <TAB> count <TAB> last
class TUserModel {
public:
    static constexpr int DefaultMaxWords = 20000;
    static constexpr int DefaultMaxPairs = 40000;
    static constexpr int MaxWordLength = 48;
    // Followers kept for one word (or for sentence starts), so a query looks at few.
    static constexpr int MaxFollowers = 256;
    // A file beyond this is not one the model wrote: refused before it is read.
    static constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;

    struct TWord {
        TWordUse Use;
        QString Fold; // kept for matching a prefix without diacritics
    };

    // Counts one written occurrence of `word` after `previous` (empty at a sentence start).
    // Words are kept in lower case; a word that is not one (no letters, too long) is ignored.
    void Learn(const QString &previous, const QString &word);
    // Takes one occurrence back, when the user changed a word already counted.
    void Unlearn(const QString &previous, const QString &word);
    void ForgetAll();

    const QHash<QString, TWord> &Words() const { return FWords; }
    // Calls f(word, use, prior) for every word whose folded form starts with `fold`, in the order
    // of the folded forms; a query looks at these only, not at every word learned. `prior` is a
    // number the caller may keep with the word (negative until set; reset when the word is
    // learned again or by ClearPriors), so a query need not look the word up elsewhere.
    template <typename F>
    void ForEachStartingWith(const QString &fold, F &&f) const {
        for (auto it = FByFold.lowerBound(fold); it != FByFold.cend() && it.key().startsWith(fold);
             ++it)
            f(it->Word, it->Use, it->Prior);
    }
    void ClearPriors() const {
        for (auto it = FByFold.begin(); it != FByFold.end(); ++it)
            it->Prior = -1;
    }
    TWordUse Use(const QString &word) const;
    // The words written after `previous`, with their use.
    QHash<QString, TWordUse> Followers(const QString &previous) const {
        return FPairs.value(previous);
    }
    qsizetype PairCount() const { return FPairCount; }
    quint32 Clock() const { return FClock; }

    void SetLimits(int maxWords, int maxPairs);
    int MaxWords() const { return FMaxWords; }
    int MaxPairs() const { return FMaxPairs; }

    QByteArray Serialize() const;
    // Replaces the model with the one in `bytes`; on damage the model is left empty and false
    // returned with `error` saying what is wrong.
    bool Parse(const QByteArray &bytes, QString *error);
    // A missing file is an empty model (true). A damaged one is refused (false, `error` set)
    // and the model starts empty, so the next Save replaces the file.
    bool Load(const QString &path, QString *error);
    // Written to a temporary file and renamed over the old one only when complete.
    bool Save(const QString &path, QString *error) const;

    static bool IsLearnable(const QString &word);

private:
    void Prune();
    double Worth(const TWordUse &use) const;

    void Index(const QString &word, const TWord &entry) {
        FByFold.insert(entry.Fold + QChar(1) + word, TIndexed{word, entry.Use, -1});
    }
    void Unindex(const QString &word, const QString &fold) {
        FByFold.remove(fold + QChar(1) + word);
    }

    QHash<QString, TWord> FWords;
    // Folded form, U+0001, word -> word and its use: the words in prefix order, kept in step
    // with FWords.
    struct TIndexed {
        QString Word;
        TWordUse Use;
        mutable float Prior;
    };
    mutable QMap<QString, TIndexed> FByFold;
    QHash<QString, QHash<QString, TWordUse>> FPairs;
    qsizetype FPairCount = 0;
    quint32 FClock = 0;
    int FMaxWords = DefaultMaxWords;
    int FMaxPairs = DefaultMaxPairs;
};
