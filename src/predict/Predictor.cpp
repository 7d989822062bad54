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
// is recent; a pair the user wrote outweighs everything, since what someone writes repeats.
// Chosen on the benchmark's texts, where a larger bonus for recent or single uses cost more than
// it saved, and confirmed on texts it was not chosen on (the layout training texts: a second pass
// saves 0.68 of the keystrokes in Czech and 0.66 in English, against 0.70 on the benchmark's).
constexpr double UserBase = 1.0;
constexpr double UserPerDoubling = 2.0;
constexpr double PairBase = 20.0;
constexpr double PairPerDoubling = 3.0;
constexpr double RecencyBonus = 1.0;
constexpr double RecencyHalfLife = 300.0; // words written
constexpr double LengthWeight = 0.5;
// A shipped pair (what follows what in the quotations the pair lists come from) adds to its word
// after the right word, at most ShippedMax: less than a pair the user wrote once (PairBase plus
// PairPerDoubling), so the user's own use keeps winning. Chosen on the layout training texts
// (data/layout), not the benchmark's: first pass 0.370 -> 0.380 in Czech, 0.429 -> 0.472 in
// English; the gain was flat for bases of 0 to 6 and 1 to 2 per doubling. Confirmed on quotations
// held out of the pair lists (fortunes-cs "citace", fortunes "wisdom"): 0.303 -> 0.329 in Czech,
// 0.375 -> 0.405 in English.
constexpr double ShippedBase = 3.0;
constexpr double ShippedPerDoubling = 1.5;
constexpr double ShippedMax = 12.0;
static_assert(ShippedMax < PairBase + PairPerDoubling);
// Someone who types diacritics mostly means a base letter typed as one: a word with a diacritic
// where a base letter was typed then counts a quarter as much (ln 4), still offered when it is
// far more frequent ("pocit" still offers "počítač").
constexpr double BaseLetterTyped = -1.386;
// A candidate shown for earlier letters of the same word and not taken.
constexpr double GiveWay = -1000.0;
constexpr double RepeatedWord = -1000.0;
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

// True when `word` starts with the letters typed, diacritics and all; both lower case.
bool SameLetters(const QString &typed, const QString &word) {
    return word.startsWith(typed);
}

// True when the folded form of `word` starts with `fold`.
bool FoldStartsWith(const QString &word, const QString &fold) {
    if (word.size() < fold.size())
        return false;
    for (qsizetype i = 0; i < fold.size(); ++i) {
        if (FoldChar(word.at(i)) != fold.at(i))
            return false;
    }
    return true;
}

// A word seldom follows itself ("dobrý dobrý"), unless the user has written it so.
double Repeated(const QString &word, const QString &previous,
                const QHash<QString, TWordUse> &followers) {
    return word == previous && !followers.contains(word) ? RepeatedWord : 0.0;
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

double TPredictor::Loose(const QString &typed, const QString &word) const {
    return FTypesDiacritics && !SameLetters(typed, word) ? BaseLetterTyped : 0.0;
}

double TPredictor::Recency(const TWordUse &use) const {
    if (use.Count == 0)
        return 0;
    return RecencyBonus * std::exp2(-double(FUser.Clock() - use.Last) / RecencyHalfLife);
}

double TPredictor::UserScore(const TWordUse &use) const {
    if (use.Count == 0)
        return 0;
    return UserBase + UserPerDoubling * std::log2(1.0 + use.Count) + Recency(use);
}

double TPredictor::ShippedScore(quint32 count) const {
    return count == 0 ? 0.0
                      : std::min(ShippedMax, ShippedBase + ShippedPerDoubling * std::log2(count));
}

std::pair<qsizetype, qsizetype> TPredictor::ShippedFollowers(const QString &previous) const {
    if (previous.isEmpty())
        return FLexicon.Pairs(TLexicon::SentenceStart);
    const qsizetype i = FLexicon.IndexOf(previous);
    return i < 0 ? std::pair<qsizetype, qsizetype>{0, 0} : FLexicon.Pairs(quint32(i));
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
    const QByteArray typedBytes = FTypesDiacritics ? typed.toUtf8() : QByteArray();
    const auto [first, last] = FLexicon.Range(foldBytes);
    for (qsizetype i = first; i < last; ++i) {
        const qsizetype size = FLexicon.FoldedSize(i);
        double score = LexiconScore(double(FLexicon.LogFrequency(i)), size - foldBytes.size());
        if (qsizetype(best.size()) == wanted && !cmp({score, i}, best.top()))
            continue;
        // For one who types diacritics, a word spelt as typed needs no closer look.
        const bool loose = FTypesDiacritics && !FLexicon.WordStartsWith(i, typedBytes);
        if (size == foldBytes.size() || exact || loose) {
            // Equal folded forms and accented typing need the word itself. A word already typed
            // in full is no help, unless it corrects the case ("I").
            const QString word = FLexicon.Word(i);
            if (word == typed || (exact && !MatchesDiacritics(typed, word.toLower())))
                continue;
            if (loose && !SameLetters(typed, word.toLower())) {
                score += BaseLetterTyped;
                if (qsizetype(best.size()) == wanted && !cmp({score, i}, best.top()))
                    continue;
            }
        }
        best.push({score, i});
        if (qsizetype(best.size()) > wanted)
            best.pop();
    }
    // The shipped followers of the previous word that match: a few dozen at most.
    const auto shipped = ShippedFollowers(previous);
    for (qsizetype p = shipped.first; p < shipped.second; ++p) {
        const qsizetype i = FLexicon.PairSecond(p);
        const QByteArray folded = FLexicon.FoldedBytes(i);
        if (!folded.startsWith(foldBytes))
            continue;
        const QString word = FLexicon.Word(i);
        if (word == typed || (exact && !MatchesDiacritics(typed, word.toLower())))
            continue;
        // Marked by the complement of its index: its score has the pair in it already.
        const double score =
            LexiconScore(double(FLexicon.LogFrequency(i)), folded.size() - foldBytes.size()) +
            Loose(typed, word.toLower()) + ShippedScore(FLexicon.PairCount(p));
        best.push({score, ~i});
        if (qsizetype(best.size()) > wanted)
            best.pop();
    }
    while (!best.empty()) {
        const auto [heapScore, item] = best.top();
        best.pop();
        const qsizetype i = item < 0 ? ~item : item;
        const double lexical =
            heapScore + (item < 0 ? 0.0 : ShippedScore(FLexicon.PairCountOf(shipped, i)));
        const QString shown = FLexicon.Word(i);
        const QString key = shown.toLower();
        const double score = lexical + UserScore(FUser.Use(key)) + PairScore(followers.value(key));
        // A word both in the range and among the shipped followers comes twice, alike.
        pool->insert(key, {shown, score + Repeated(key, previous, followers)});
    }

    // The user's words, also those the lexicon lacks; of many, only the best reach the pool. A
    // word's score but for its recency is kept with it, and a word that cannot reach the best
    // even when just used is passed over.
    using TLearned = std::pair<double, const QString *>;
    auto better = [](const TLearned &a, const TLearned &b) {
        return a.first != b.first ? a.first > b.first : *a.second < *b.second;
    };
    std::priority_queue<TLearned, std::vector<TLearned>, decltype(better)> learned(better);
    auto offer = [&](double score, const QString *word) {
        learned.push({score, word});
        if (qsizetype(learned.size()) > wanted)
            learned.pop();
    };
    FUser.ForEachStartingWith(fold, [&](const QString &word, const TWordUse &use, float &prior) {
        if (word == typed || (exact && !MatchesDiacritics(typed, word)))
            return;
        if (prior < 0)
            prior = float(LexiconInfo(word).LogFrequency + UserScore(use) - Recency(use));
        const double atMost =
            LexiconScore(double(prior), word.size() - typed.size()) + Loose(typed, word);
        if (qsizetype(learned.size()) == wanted && atMost + RecencyBonus <= learned.top().first)
            return;
        offer(atMost + Recency(use), &word);
    });
    // The followers of the previous word (a few hundred at most) once more, with their pair;
    // ranked first, they win over their own entry above.
    for (auto it = followers.cbegin(); it != followers.cend(); ++it) {
        const QString &word = it.key();
        if (word == typed || !FoldStartsWith(word, fold) ||
            (exact && !MatchesDiacritics(typed, word)))
            continue;
        offer(LexiconScore(double(LexiconInfo(word).LogFrequency), word.size() - typed.size()) +
                  UserScore(FUser.Use(word)) + PairScore(*it) + Loose(typed, word),
              &word);
    }
    QList<TLearned> chosen;
    while (!learned.empty()) {
        chosen.prepend(learned.top());
        learned.pop();
    }
    for (const auto &[score, word] : std::as_const(chosen)) {
        // A word from the lexicon is already in the pool with the same score.
        if (pool->contains(*word))
            continue;
        const TLexiconInfo &info = LexiconInfo(*word);
        pool->insert(*word, {info.Shown.isEmpty() ? *word : info.Shown,
                             score + Repeated(*word, previous, followers)});
    }
}

const TPredictor::TLexiconInfo &TPredictor::LexiconInfo(const QString &word) const {
    auto it = FLexiconCache.find(word);
    if (it == FLexiconCache.end()) {
        // Words forgotten by the model would stay here for good; start afresh now and then.
        if (FLexiconCache.size() > 2 * qsizetype(FUser.MaxWords()))
            FLexiconCache.clear();
        TLexiconInfo info;
        info.Frequency = FLexicon.FrequencyOf(word, &info.Shown);
        info.LogFrequency = float(std::log1p(double(info.Frequency)));
        it = FLexiconCache.insert(word, info);
    }
    return *it;
}

void TPredictor::AddNextWords(const QString &previous, QHash<QString, TCandidate> *pool,
                              qsizetype wanted) const {
    const QHash<QString, TWordUse> followers = FUser.Followers(previous);
    QList<std::pair<double, QString>> scored;
    scored.reserve(followers.size());
    for (auto it = followers.cbegin(); it != followers.cend(); ++it)
        scored.append({LexiconScore(double(LexiconInfo(it.key()).LogFrequency), it.key().size()) +
                           UserScore(FUser.Use(it.key())) + PairScore(*it),
                       it.key()});
    const qsizetype keep = std::min(wanted, scored.size());
    std::partial_sort(scored.begin(), scored.begin() + keep, scored.end(),
                      [](const auto &a, const auto &b) {
                          return a.first != b.first ? a.first > b.first : a.second < b.second;
                      });
    for (qsizetype i = 0; i < keep; ++i) {
        const TLexiconInfo &info = LexiconInfo(scored[i].second);
        pool->insert(scored[i].second,
                     {info.Shown.isEmpty() ? scored[i].second : info.Shown, scored[i].first});
    }
    // The shipped followers, with the user's pair where there is one (those in the pool are
    // raised), then the most frequent words.
    const auto shipped = ShippedFollowers(previous);
    for (qsizetype p = shipped.first; p < shipped.second; ++p) {
        const qsizetype i = FLexicon.PairSecond(p);
        const QString shown = FLexicon.Word(i);
        const QString key = shown.toLower();
        const double bonus = ShippedScore(FLexicon.PairCount(p));
        auto it = pool->find(key);
        if (it != pool->end())
            it->Score += bonus;
        else if (!Repeated(key, previous, followers))
            pool->insert(key, {shown, LexiconScore(FLexicon.LogFrequency(i), key.size()) +
                                          UserScore(FUser.Use(key)) + bonus});
    }
    for (const qsizetype i : FLexicon.Top()) {
        const QString shown = FLexicon.Word(i);
        const QString key = shown.toLower();
        if (!pool->contains(key) && !Repeated(key, previous, followers))
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
    if (!FTypesDiacritics && HasDiacritics(lower))
        FTypesDiacritics = true;

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
    pool.reserve(4 * ExtraLexiconWords + FOffered.size() + slotCount);
    if (typed.isEmpty())
        AddNextWords(previous, &pool, slotCount + FOffered.size() + ExtraLexiconWords);
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
    ForEachEndedWord(text, WordStart(text.left(same)), [&](qsizetype s, qsizetype end) {
        const QString word = text.mid(s, end - s).toLower();
        auto it = FCounted.find(s);
        if (it != FCounted.end()) {
            if (it->Word == word)
                return;
            FUser.Unlearn(it->Previous, it->Word);
        }
        const QString previous = PreviousWord(text, s);
        FUser.Learn(previous, word);
        FCounted.insert(s, {previous, word});
    });
}

void TPredictor::ForgetAll() {
    FUser.ForgetAll();
    FTypesDiacritics = false;
    FCounted.clear();
    FOffered.clear();
    FShown.clear();
    FOfferStart = -1;
}
