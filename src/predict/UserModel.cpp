#include "UserModel.h"

#include "BoundedRead.h"
#include "PredictStrings.h"
#include "PredictText.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace {

const QByteArray Signature = QByteArrayLiteral("orvanta-words 1");
// A word's worth halves every this many words written since its last use.
constexpr double HalfLife = 4000.0;
constexpr quint32 MaxCount = 1000000000;

} // namespace

bool TUserModel::IsLearnable(const QString &word) {
    if (word.isEmpty() || word.size() > MaxWordLength)
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!PredictText::IsWordChar(word, i))
            return false;
    }
    return true;
}

void TUserModel::Learn(const QString &previous, const QString &word) {
    const QString w = word.toLower();
    if (!IsLearnable(w))
        return;
    const QString p = IsLearnable(previous) ? previous.toLower() : QString();
    ++FClock;
    TWord &entry = FWords[w];
    if (entry.Use.Count == 0)
        entry.Fold = PredictText::Fold(w);
    entry.Use.Count = std::min(entry.Use.Count + 1, MaxCount);
    entry.Use.Last = FClock;
    Index(w, entry);
    QHash<QString, TWordUse> &followers = FPairs[p];
    if (!followers.contains(w)) {
        // The rarest follower of a word that already has many says little: it makes room.
        if (followers.size() >= MaxFollowers) {
            auto worst = followers.begin();
            for (auto it = followers.begin(); it != followers.end(); ++it) {
                const double a = Worth(*it), b = Worth(*worst);
                if (a < b || (a == b && (it->Last < worst->Last ||
                                         (it->Last == worst->Last && it.key() < worst.key()))))
                    worst = it;
            }
            followers.erase(worst);
            --FPairCount;
        }
        ++FPairCount;
    }
    TWordUse &pair = followers[w];
    pair.Count = std::min(pair.Count + 1, MaxCount);
    pair.Last = FClock;
    if (FWords.size() > FMaxWords || FPairCount > FMaxPairs)
        Prune();
}

void TUserModel::Unlearn(const QString &previous, const QString &word) {
    const QString w = word.toLower();
    const QString p = IsLearnable(previous) ? previous.toLower() : QString();
    auto it = FWords.find(w);
    if (it != FWords.end()) {
        if (--it->Use.Count == 0) {
            Unindex(w, it->Fold);
            FWords.erase(it);
        } else {
            Index(w, *it);
        }
    }
    auto pit = FPairs.find(p);
    if (pit == FPairs.end())
        return;
    auto fit = pit->find(w);
    if (fit != pit->end() && --fit->Count == 0) {
        pit->erase(fit);
        --FPairCount;
        if (pit->isEmpty())
            FPairs.erase(pit);
    }
}

void TUserModel::ForgetAll() {
    FWords.clear();
    FByFold.clear();
    FPairs.clear();
    FPairCount = 0;
    FClock = 0;
}

TWordUse TUserModel::Use(const QString &word) const {
    const auto it = FWords.constFind(word.toLower());
    return it == FWords.cend() ? TWordUse() : it->Use;
}

void TUserModel::SetLimits(int maxWords, int maxPairs) {
    FMaxWords = std::max(1, maxWords);
    FMaxPairs = std::max(1, maxPairs);
    Prune();
}

double TUserModel::Worth(const TWordUse &use) const {
    return double(use.Count) * std::exp2(-double(FClock - use.Last) / HalfLife);
}

// Forgets down to nine tenths of the limits, so pruning happens once in a while rather than on
// every word; what goes first is rare and long unused, the older of equal worth before the other.
void TUserModel::Prune() {
    auto worse = [this](const TWordUse &a, const TWordUse &b) {
        const double wa = Worth(a), wb = Worth(b);
        return wa != wb ? wa < wb : a.Last < b.Last;
    };
    if (FWords.size() > FMaxWords) {
        QList<std::pair<TWordUse, QString>> all;
        all.reserve(FWords.size());
        for (auto it = FWords.cbegin(); it != FWords.cend(); ++it)
            all.append({it->Use, it.key()});
        const qsizetype keep = std::max<qsizetype>(1, qsizetype(FMaxWords) * 9 / 10);
        std::sort(all.begin(), all.end(), [&](const auto &a, const auto &b) {
            return worse(a.first, b.first) || (!worse(b.first, a.first) && a.second < b.second);
        });
        for (qsizetype i = 0; i < all.size() - keep; ++i) {
            Unindex(all[i].second, FWords.value(all[i].second).Fold);
            FWords.remove(all[i].second);
        }
    }
    if (FPairCount > FMaxPairs) {
        struct TPairRef {
            TWordUse Use;
            QString Previous, Word;
        };
        QList<TPairRef> all;
        all.reserve(FPairCount);
        for (auto it = FPairs.cbegin(); it != FPairs.cend(); ++it) {
            for (auto f = it->cbegin(); f != it->cend(); ++f)
                all.append({*f, it.key(), f.key()});
        }
        const qsizetype keep = std::max<qsizetype>(1, qsizetype(FMaxPairs) * 9 / 10);
        std::sort(all.begin(), all.end(), [&](const TPairRef &a, const TPairRef &b) {
            if (worse(a.Use, b.Use) != worse(b.Use, a.Use))
                return worse(a.Use, b.Use);
            return std::tie(a.Previous, a.Word) < std::tie(b.Previous, b.Word);
        });
        for (qsizetype i = 0; i < all.size() - keep; ++i) {
            auto pit = FPairs.find(all[i].Previous);
            pit->remove(all[i].Word);
            if (pit->isEmpty())
                FPairs.erase(pit);
            --FPairCount;
        }
    }
}

QByteArray TUserModel::Serialize() const {
    QByteArray out = Signature + '\n';
    out += "clock " + QByteArray::number(FClock) + '\n';
    // Sorted, so the same model always gives the same bytes.
    QStringList words = FWords.keys();
    std::sort(words.begin(), words.end());
    for (const QString &w : words) {
        const TWordUse &u = FWords[w].Use;
        out += "w\t" + w.toUtf8() + '\t' + QByteArray::number(u.Count) + '\t' +
               QByteArray::number(u.Last) + '\n';
    }
    QStringList previous = FPairs.keys();
    std::sort(previous.begin(), previous.end());
    for (const QString &p : previous) {
        const QHash<QString, TWordUse> &followers = FPairs[p];
        QStringList next = followers.keys();
        std::sort(next.begin(), next.end());
        for (const QString &w : next) {
            const TWordUse &u = followers[w];
            out += "p\t" + p.toUtf8() + '\t' + w.toUtf8() + '\t' + QByteArray::number(u.Count) +
                   '\t' + QByteArray::number(u.Last) + '\n';
        }
    }
    return out;
}

bool TUserModel::Parse(const QByteArray &bytes, QString *error) {
    ForgetAll();
    int lineNo = 0;
    auto fail = [&](const QString &why) {
        ForgetAll();
        if (error)
            *error = lineNo > 0 ? PredictStrings::AtLine().arg(lineNo).arg(why) : why;
        return false;
    };
    if (bytes.size() > MaxFileBytes)
        return fail(PredictStrings::ModelTooLarge());
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.front() != Signature)
        return fail(PredictStrings::NotAModel());
    lineNo = 2;
    if (lines.size() < 2 || !lines[1].startsWith("clock "))
        return fail(PredictStrings::NoClock());
    bool ok = false;
    const quint32 clock = lines[1].mid(6).toUInt(&ok);
    if (!ok)
        return fail(PredictStrings::ClockNotNumber());

    auto word = [](const QByteArray &field, bool allowEmpty, QString *out) {
        *out = QString::fromUtf8(field);
        if (out->isEmpty())
            return allowEmpty;
        return out->toUtf8() == field && *out == out->toLower() && IsLearnable(*out);
    };
    auto use = [clock](const QByteArray &count, const QByteArray &last, TWordUse *out) {
        bool okCount = false, okLast = false;
        out->Count = count.toUInt(&okCount);
        out->Last = last.toUInt(&okLast);
        return okCount && okLast && out->Count > 0 && out->Count <= MaxCount && out->Last <= clock;
    };
    QHash<QString, TWord> words;
    QHash<QString, QHash<QString, TWordUse>> pairs;
    qsizetype pairCount = 0;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        lineNo = int(i + 1);
        const QByteArray &line = lines[i];
        if (line.isEmpty()) {
            if (i + 1 == lines.size())
                break; // the final line break
            return fail(PredictStrings::EmptyLine());
        }
        const QList<QByteArray> f = line.split('\t');
        TWordUse u;
        QString w, p;
        if (f[0] == "w" && f.size() == 4) {
            if (!word(f[1], false, &w) || !use(f[2], f[3], &u))
                return fail(PredictStrings::DamagedWord());
            if (words.contains(w))
                return fail(PredictStrings::WordTwice());
            if (words.size() >= FMaxWords)
                return fail(PredictStrings::MoreWords().arg(FMaxWords));
            words.insert(w, TWord{u, PredictText::Fold(w)});
        } else if (f[0] == "p" && f.size() == 5) {
            if (!word(f[1], true, &p) || !word(f[2], false, &w) || !use(f[3], f[4], &u))
                return fail(PredictStrings::DamagedPair());
            QHash<QString, TWordUse> &followers = pairs[p];
            if (followers.contains(w))
                return fail(PredictStrings::PairTwice());
            if (pairCount >= FMaxPairs || followers.size() >= MaxFollowers)
                return fail(PredictStrings::MorePairs().arg(FMaxPairs));
            followers.insert(w, u);
            ++pairCount;
        } else {
            return fail(PredictStrings::UnknownRecord());
        }
    }
    FWords = std::move(words);
    for (auto it = FWords.cbegin(); it != FWords.cend(); ++it)
        Index(it.key(), *it);
    FPairs = std::move(pairs);
    FPairCount = pairCount;
    FClock = clock;
    return true;
}

bool TUserModel::Load(const QString &path, QString *error) {
    ForgetAll();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    // Parse refuses more than MaxFileBytes; reading one byte beyond is enough to know.
    QString why;
    if (!Parse(ReadAtMost(file, MaxFileBytes), &why)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    return true;
}

bool TUserModel::Save(const QString &path, QString *error) const {
    QSaveFile file(path);
    const QByteArray bytes = Serialize();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
