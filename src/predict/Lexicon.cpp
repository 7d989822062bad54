#include "Lexicon.h"

#include "BoundedRead.h"
#include "PredictStrings.h"
#include "PredictText.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr char Magic[4] = {'O', 'P', 'L', 'X'};
constexpr int TopWords = 64;
// Larger than the compact form of any list we ship by far; checked before reading a file.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

// The first index of [lo, hi) where `before` no longer holds; it holds for a leading run.
template <class TBefore>
qsizetype PartitionPoint(qsizetype lo, qsizetype hi, TBefore before) {
    while (lo < hi) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (before(mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

quint32 U32(const uchar *p) {
    return qFromLittleEndian<quint32>(p);
}

int CompareBytes(const char *a, qsizetype na, const char *b, qsizetype nb) {
    const int c = std::memcmp(a, b, size_t(std::min(na, nb)));
    if (c != 0)
        return c;
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

} // namespace

QByteArray TLexicon::Build(const QList<std::pair<QString, quint32>> &words,
                           const QList<TPair> &pairs) {
    struct TItem {
        QByteArray Word;
        QByteArray Fold;
        quint32 Frequency;
    };
    QList<TItem> items;
    items.reserve(words.size());
    for (const auto &[word, frequency] : words) {
        TItem item{word.toUtf8(), PredictText::Fold(word).toUtf8(), frequency};
        if (item.Fold.isEmpty() || item.Word.size() > 255 || item.Fold.size() > 255)
            continue;
        items.append(std::move(item));
    }
    std::stable_sort(items.begin(), items.end(), [](const TItem &a, const TItem &b) {
        const int c =
            CompareBytes(a.Fold.constData(), a.Fold.size(), b.Fold.constData(), b.Fold.size());
        return c != 0 ? c < 0 : a.Frequency > b.Frequency;
    });
    // Pairs name their words by entry; a word as the text has it finds the most frequent entry
    // of its letters (sorted first among equal folded forms).
    QHash<QString, quint32> entryOf;
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        entryOf.insert(QString::fromUtf8(items[i].Word).toLower(), quint32(i));
    QMap<std::pair<quint32, quint32>, quint64> pairCounts;
    for (const TPair &pair : pairs) {
        const auto first =
            pair.First.isEmpty() ? std::optional<quint32>(SentenceStart) : std::optional<quint32>();
        const auto f = entryOf.constFind(pair.First.toLower());
        const auto s = entryOf.constFind(pair.Second.toLower());
        if ((!first && f == entryOf.cend()) || s == entryOf.cend() || pair.Count == 0)
            continue;
        pairCounts[{first ? *first : *f, *s}] += pair.Count;
    }
    QByteArray text;
    QByteArray entries;
    entries.reserve(items.size() * EntrySize);
    for (const TItem &item : items) {
        uchar e[EntrySize] = {};
        qToLittleEndian<quint32>(quint32(text.size()), e);
        e[4] = uchar(item.Word.size());
        e[5] = uchar(item.Fold.size());
        qToLittleEndian<quint32>(item.Frequency, e + 8);
        entries.append(reinterpret_cast<const char *>(e), EntrySize);
        text += item.Word;
        text += item.Fold;
    }
    QByteArray out(Magic, 4);
    uchar header[HeaderSize - 4];
    qToLittleEndian<quint32>(Version, header);
    qToLittleEndian<quint32>(quint32(items.size()), header + 4);
    qToLittleEndian<quint32>(quint32(text.size()), header + 8);
    qToLittleEndian<quint32>(quint32(pairCounts.size()), header + 12);
    out.append(reinterpret_cast<const char *>(header), sizeof header);
    out += entries;
    out += text;
    // QMap orders by first entry, then second; SentenceStart sorts last.
    for (auto it = pairCounts.cbegin(); it != pairCounts.cend(); ++it) {
        uchar e[PairSize];
        qToLittleEndian<quint32>(it.key().first, e);
        qToLittleEndian<quint32>(it.key().second, e + 4);
        qToLittleEndian<quint32>(quint32(std::min<quint64>(*it, 0xffffffffu)), e + 8);
        out.append(reinterpret_cast<const char *>(e), PairSize);
    }
    return out;
}

bool TLexicon::Read(const QByteArray &bytes, QString *error) {
    *this = TLexicon();
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const qint64 size = bytes.size();
    // Version 1 has the shorter header: the same without the pair count.
    constexpr qsizetype HeaderSize1 = 16;
    if (size < HeaderSize1 || std::memcmp(bytes.constData(), Magic, 4) != 0)
        return fail(PredictStrings::NotALexicon());
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 version = U32(p + 4);
    if (version != 1 && version != Version)
        return fail(PredictStrings::LexiconVersion().arg(version));
    const qsizetype headerSize = version == 1 ? HeaderSize1 : HeaderSize;
    if (size < headerSize)
        return fail(PredictStrings::LexiconSize().arg(size));
    const quint32 count = U32(p + 8);
    const quint32 textSize = U32(p + 12);
    const quint32 pairCount = version == 1 ? 0 : U32(p + 16);
    if (count > MaxWords)
        return fail(PredictStrings::TooManyWords().arg(count).arg(MaxWords));
    if (pairCount > MaxPairs)
        return fail(PredictStrings::TooManyPairs().arg(pairCount).arg(MaxPairs));
    // 64-bit arithmetic: no field can overflow the sum.
    if (qint64(headerSize) + qint64(count) * EntrySize + qint64(textSize) +
            qint64(pairCount) * PairSize !=
        size)
        return fail(PredictStrings::LexiconSize().arg(size));
    const uchar *entries = p + headerSize;
    const char *text = bytes.constData() + headerSize + qint64(count) * EntrySize;
    const uchar *pairs = p + headerSize + qint64(count) * EntrySize + textSize;
    // Lookup relies on the pairs' order and on their words being entries.
    for (quint32 i = 0; i < pairCount; ++i) {
        const uchar *e = pairs + qint64(i) * PairSize;
        const quint32 first = U32(e), second = U32(e + 4);
        if ((first >= count && first != SentenceStart) || second >= count || U32(e + 8) == 0)
            return fail(PredictStrings::PairOutside().arg(i + 1));
        if (i > 0) {
            const quint32 pf = U32(e - PairSize), ps = U32(e - PairSize + 4);
            if (pf > first || (pf == first && ps >= second))
                return fail(PredictStrings::PairOutOfOrder().arg(i + 1));
        }
    }
    const char *prevFold = nullptr;
    qsizetype prevFoldSize = 0;
    for (quint32 i = 0; i < count; ++i) {
        const uchar *e = entries + qint64(i) * EntrySize;
        const qint64 offset = U32(e);
        const int wordSize = e[4];
        const int foldSize = e[5];
        if (wordSize == 0 || foldSize == 0 || offset + wordSize + foldSize > qint64(textSize))
            return fail(PredictStrings::WordOutside().arg(i + 1));
        const char *fold = text + offset + wordSize;
        // Searching relies on the order; a list out of order is refused, not searched wrongly.
        if (prevFold && CompareBytes(prevFold, prevFoldSize, fold, foldSize) > 0)
            return fail(PredictStrings::WordOutOfOrder().arg(i + 1));
        prevFold = fold;
        prevFoldSize = foldSize;
    }
    FBytes = bytes;
    FEntries = reinterpret_cast<const uchar *>(FBytes.constData()) + headerSize;
    FText = FBytes.constData() + headerSize + qint64(count) * EntrySize;
    FCount = count;
    FPairs = FEntries + qint64(count) * EntrySize + textSize;
    FPairCount = pairCount;

    QList<qsizetype> order;
    order.reserve(FCount);
    FLogFrequency.reserve(FCount);
    for (qsizetype i = 0; i < FCount; ++i) {
        order.append(i);
        FLogFrequency.append(float(std::log1p(double(Frequency(i)))));
    }
    const qsizetype top = std::min<qsizetype>(TopWords, FCount);
    std::partial_sort(order.begin(), order.begin() + top, order.end(),
                      [this](qsizetype a, qsizetype b) {
                          const quint32 fa = Frequency(a), fb = Frequency(b);
                          return fa != fb ? fa > fb : a < b;
                      });
    FTop = order.mid(0, top);
    return true;
}

bool TLexicon::Load(const QString &path, QString *error) {
    *this = TLexicon();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    // Read no more than a word list can be, whatever the file claims to be (a pipe, a device).
    const QByteArray bytes = ReadAtMost(file, MaxFileBytes);
    if (bytes.size() > MaxFileBytes) {
        if (error)
            *error = PredictStrings::LexiconTooLarge().arg(path);
        return false;
    }
    QString why;
    if (!Read(bytes, &why)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    return true;
}

const uchar *TLexicon::Entry(qsizetype i) const {
    return FEntries + i * EntrySize;
}

QString TLexicon::Word(qsizetype i) const {
    const uchar *e = Entry(i);
    return QString::fromUtf8(FText + U32(e), e[4]);
}

bool TLexicon::WordStartsWith(qsizetype i, const QByteArray &prefix) const {
    const uchar *e = Entry(i);
    return e[4] >= prefix.size() &&
           std::memcmp(FText + U32(e), prefix.constData(), prefix.size()) == 0;
}

QByteArray TLexicon::FoldedBytes(qsizetype i) const {
    const uchar *e = Entry(i);
    return QByteArray::fromRawData(FText + U32(e) + e[4], e[5]);
}

quint32 TLexicon::Frequency(qsizetype i) const {
    return U32(Entry(i) + 8);
}

std::pair<qsizetype, qsizetype> TLexicon::Range(const QByteArray &prefix) const {
    const qsizetype n = prefix.size();
    // Compares an entry's folded form cut to the prefix's length with the prefix.
    auto cmp = [&](qsizetype i) {
        const uchar *e = Entry(i);
        const char *fold = FText + U32(e) + e[4];
        return CompareBytes(fold, std::min<qsizetype>(e[5], n), prefix.constData(), n);
    };
    const qsizetype first = PartitionPoint(0, FCount, [&](qsizetype i) { return cmp(i) < 0; });
    return {first, PartitionPoint(first, FCount, [&](qsizetype i) { return cmp(i) <= 0; })};
}

qsizetype TLexicon::IndexOf(const QString &word) const {
    const QByteArray fold = PredictText::Fold(word).toUtf8();
    auto [i, end] = Range(fold);
    for (; i < end; ++i) {
        if (Entry(i)[5] != fold.size())
            break; // longer folded forms follow the equal ones
        if (Word(i).toLower() == word)
            return i;
    }
    return -1;
}

std::pair<qsizetype, qsizetype> TLexicon::Pairs(quint32 first) const {
    auto firstOf = [this](qsizetype p) { return U32At(FPairs + p * PairSize); };
    const qsizetype begin =
        PartitionPoint(0, FPairCount, [&](qsizetype p) { return firstOf(p) < first; });
    return {begin,
            PartitionPoint(begin, FPairCount, [&](qsizetype p) { return firstOf(p) <= first; })};
}

quint32 TLexicon::PairCountOf(std::pair<qsizetype, qsizetype> range, qsizetype second) const {
    const qsizetype lo = PartitionPoint(range.first, range.second,
                                        [&](qsizetype p) { return PairSecond(p) < second; });
    return lo < range.second && PairSecond(lo) == second ? PairCount(lo) : 0;
}

quint32 TLexicon::FrequencyOf(const QString &word, QString *shown) const {
    const QString lower = word.toLower();
    const QByteArray fold = PredictText::Fold(word).toUtf8();
    auto [i, end] = Range(fold);
    for (; i < end; ++i) {
        const uchar *e = Entry(i);
        if (e[5] != fold.size())
            break; // longer folded forms follow the equal ones
        const QString candidate = Word(i);
        if (candidate.toLower() == lower) {
            if (shown)
                *shown = candidate;
            return Frequency(i);
        }
    }
    return 0;
}
