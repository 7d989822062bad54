#include "Predictor.h"

#include "PredictText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <queue>

using namespace PredictText;

namespace {

// Weights of the ranking. A word's frequency in the lexicon gives ln(1 + frequency), about 0 to
// 16; the user's own use adds to it with every doubling of its count, and a little more while it
// is recent; a pair the user wrote outweighs everything, since what someone writes repeats. Set
// on the benchmark's texts: a larger bonus for recent or single uses cost more than it saved.
constexpr double UserBase = 1.0;
constexpr double UserPerDoubling = 2.0;
constexpr double PairBase = 20.0;
constexpr double PairPerDoubling = 3.0;
constexpr double RecencyBonus = 1.0;
constexpr double RecencyHalfLife = 300.0; // words written
constexpr double LengthWeight = 0.5;
// A candidate shown for earlier letters of the same word and not taken.
constexpr double GiveWay = -1000.0;
// More lexicon words than slots are looked at, so the user's words and given-way ones can
// still leave enough others.
constexpr qsizetype ExtraLexiconWords = 16;

// True when the typed letters with diacritics match `word` letter for letter; letters typed
// without them match either form. Both lower case, and the folded forms already agree.
bool MatchesDiacritics(const QString &typed, const QString &word) {
    if (word.size() < typed.size())
        return false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar t = typed.at(i);
        if (FoldChar(t) != t && word.at(i) != t)
            return false;
    }
    return true;
}

bool EndsInPunctuation(const QString &text) {
    if (text.isEmpty())
        return false;
    const QChar c = text.back();
    return c == QLatin1Char(',') || c == QLatin1Char(':') || IsSentenceEnd(c);
}

// How likely the word is, and how much choosing it saves: of two words alike in frequency the
// one with more letters left to type is the better offer.
double LexiconScore(double logFrequency, qsizetype lettersLeft) {
    static const auto table = [] {
        std::array<double, 256> t{};
        for (size_t i = 0; i < t.size(); ++i)
            t[i] = LengthWeight * std::log1p(double(i));
        return t;
    }();
    return logFrequency + table[size_t(std::clamp<qsizetype>(lettersLeft, 0, 255))];
}

double LexiconScore(quint32 frequency, qsizetype lettersLeft) {
    return LexiconScore(std::log1p(double(frequency)), lettersLeft);
}

} // namespace

double TPredictor::UserScore(const TWordUse &use) const {
    if (use.Count == 0)
        return 0;
    return UserBase + UserPerDoubling * std::log2(1.0 + use.Count) +
           RecencyBonus * std::exp2(-double(FUser.Clock() - use.Last) / RecencyHalfLife);
}

double TPredictor::PairScore(const TWordUse &use) const {
    if (use.Count == 0)
        return 0;
    return PairBase + PairPerDoubling * std::log2(1.0 + use.Count) +
           RecencyBonus * std::exp2(-double(FUser.Clock() - use.Last) / RecencyHalfLife);
}

void TPredictor::AddCompletions(const QString &typed, const QString &previous,
                                QHash<QString, TCandidate> *pool, qsizetype wanted) const {
    const QString fold = Fold(typed);
    const bool exact = HasDiacritics(typed);
    const QHash<QString, TWordUse> followers = FUser.Followers(previous);

    // The best matching words of the lexicon, by a small heap over the range.
    using TItem = std::pair<double, qsizetype>; // score, index
    auto cmp = [](const TItem &a, const TItem &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    };
    std::priority_queue<TItem, std::vector<TItem>, decltype(cmp)> best(cmp);
    const QByteArray foldBytes = fold.toUtf8();
    const auto [first, last] = FLexicon.Range(foldBytes);
    for (qsizetype i = first; i < last; ++i) {
        const qsizetype size = FLexicon.FoldedSize(i);
        const double score =
            LexiconScore(double(FLexicon.LogFrequency(i)), size - foldBytes.size());
        if (qsizetype(best.size()) == wanted && !cmp({score, i}, best.top()))
            continue;
        if (size == foldBytes.size() || exact) {
            // Equal folded forms and accented typing need the word itself. A word already typed
            // in full is no help, unless it corrects the case ("I").
            const QString word = FLexicon.Word(i);
            if (word == typed || (exact && !MatchesDiacritics(typed, word.toLower())))
                continue;
        }
        best.push({score, i});
        if (qsizetype(best.size()) > wanted)
            best.pop();
    }
    while (!best.empty()) {
        const auto [lexical, i] = best.top();
        best.pop();
        const QString shown = FLexicon.Word(i);
        const QString key = shown.toLower();
        const double score = lexical + UserScore(FUser.Use(key)) + PairScore(followers.value(key));
        pool->insert(key, {shown, score});
    }

    // The user's words, also those the lexicon lacks.
    const QHash<QString, TUserModel::TWord> &words = FUser.Words();
    for (auto it = words.cbegin(); it != words.cend(); ++it) {
        if (pool->contains(it.key()) || !it->Fold.startsWith(fold) || it.key() == typed ||
            (exact && !MatchesDiacritics(typed, it.key())))
            continue;
        QString shown;
        const quint32 f = FLexicon.FrequencyOf(it.key(), &shown);
        const double score =
            std::log1p(double(f)) + UserScore(it->Use) + PairScore(followers.value(it.key()));
        pool->insert(it.key(), {shown.isEmpty() ? it.key() : shown, score});
    }
}

void TPredictor::AddNextWords(const QString &previous, QHash<QString, TCandidate> *pool) const {
    const QHash<QString, TWordUse> followers = FUser.Followers(previous);
    for (auto it = followers.cbegin(); it != followers.cend(); ++it) {
        QString shown;
        const quint32 f = FLexicon.FrequencyOf(it.key(), &shown);
        const double score =
            LexiconScore(f, it.key().size()) + UserScore(FUser.Use(it.key())) + PairScore(*it);
        pool->insert(it.key(), {shown.isEmpty() ? it.key() : shown, score});
    }
    for (const qsizetype i : FLexicon.Top()) {
        const QString shown = FLexicon.Word(i);
        const QString key = shown.toLower();
        // A word seldom follows itself ("to to").
        if (!pool->contains(key) && key != previous)
            pool->insert(key, {shown, LexiconScore(FLexicon.Frequency(i), key.size()) +
                                          UserScore(FUser.Use(key))});
    }
}

QStringList TPredictor::Candidates(const QString &text, bool capital, int slotCount) {
    if (slotCount <= 0)
        return {};
    const qsizetype start = WordStart(text);
    const QString typed = text.mid(start);
    // Right after a digit or a sign that is not punctuation there is no word to offer.
    if (typed.isEmpty() && !text.isEmpty() && !text.back().isSpace() && !EndsInPunctuation(text))
        return {};
    const QString lower = typed.toLower();

    // Candidates shown for earlier letters of this same word and not taken give way.
    const QString context = text.left(start);
    if (start != FOfferStart || context != FOfferContext || !lower.startsWith(FOfferTyped)) {
        FOffered.clear();
        FShown.clear();
    } else if (lower != FOfferTyped) {
        for (const QString &w : std::as_const(FShown))
            FOffered.insert(w);
    }
    FOfferStart = start;
    FOfferContext = context;
    FOfferTyped = lower;

    const QString previous = PreviousWord(text, start);
    QHash<QString, TCandidate> pool;
    if (typed.isEmpty())
        AddNextWords(previous, &pool);
    else
        AddCompletions(lower, previous, &pool, slotCount + FOffered.size() + ExtraLexiconWords);

    QList<std::pair<double, QString>> ranked;
    ranked.reserve(pool.size());
    for (auto it = pool.cbegin(); it != pool.cend(); ++it)
        ranked.append({it->Score + (FOffered.contains(it.key()) ? GiveWay : 0.0), it.key()});
    std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QStringList out;
    FShown.clear();
    for (qsizetype i = 0; i < ranked.size() && out.size() < slotCount; ++i) {
        FShown.append(ranked[i].second);
        out.append(ApplyCase(pool.value(ranked[i].second).Shown, typed, capital));
    }
    return out;
}

TReplacement TPredictor::Accept(const QString &text, const QString &candidate) {
    TReplacement r;
    const qsizetype start = WordStart(text);
    r.Remove = text.size() - start;
    r.Insert = candidate + QLatin1Char(' ');
    // A word chosen right after a comma or a full stop keeps the usual space before it.
    if (r.Remove == 0 && EndsInPunctuation(text))
        r.Insert.prepend(QLatin1Char(' '));
    FOfferStart = -1;
    FOffered.clear();
    FShown.clear();
    return r;
}

void TPredictor::Observe(const QString &text) {
    qsizetype same = 0;
    const qsizetype n = std::min(text.size(), FLastText.size());
    while (same < n && text.at(same) == FLastText.at(same))
        ++same;
    FLastText = text;
    // A word whose first letter was deleted or changed is a new occurrence when it comes back;
    // one merely reopened by Backspace keeps its count.
    FCounted.erase(FCounted.lowerBound(same), FCounted.end());

    // Only words ending at or after the first change can have been completed just now.
    qsizetype i = WordStart(text.left(same));
    while (i < text.size()) {
        if (!IsWordChar(text, i)) {
            ++i;
            continue;
        }
        const qsizetype s = i;
        while (i < text.size() && IsWordChar(text, i))
            ++i;
        if (i == text.size())
            break; // still being typed
        const QChar after = text.at(i);
        const bool beforeOk = s == 0 || !text.at(s - 1).isDigit();
        if (!beforeOk || !(after.isSpace() || after.isPunct()))
            continue;
        const QString word = text.mid(s, i - s).toLower();
        auto it = FCounted.find(s);
        if (it != FCounted.end()) {
            if (it->Word == word)
                continue;
            FUser.Unlearn(it->Previous, it->Word);
        }
        const QString previous = PreviousWord(text, s);
        FUser.Learn(previous, word);
        FCounted.insert(s, {previous, word});
    }
}

void TPredictor::ForgetAll() {
    FUser.ForgetAll();
    FCounted.clear();
    FOffered.clear();
    FShown.clear();
    FOfferStart = -1;
}
