// orvanta-predictdata: the compact word lists of prediction, made from the frequency lists at
// build time.
//   orvanta-predictdata cs CS_LIST EN_LIST OUT   (the English list tells foreign words apart)
//   orvanta-predictdata en EN_LIST OUT
#include "Lexicon.h"
#include "PredictText.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <cstdio>

namespace {

using TList = QList<std::pair<QString, quint32>>;

bool ReadList(const QString &path, TList *out) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "orvanta-predictdata: %s: %s\n", qPrintable(path),
                     qPrintable(f.errorString()));
        return false;
    }
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
        bool ok = false;
        const quint32 count = line.mid(space + 1).toUInt(&ok);
        if (space > 0 && ok)
            out->append({line.left(space), count});
    }
    return true;
}

// Letters only (an apostrophe inside a word allowed): no digits, dots, hyphens.
bool IsWord(const QString &w) {
    for (qsizetype i = 0; i < w.size(); ++i) {
        if (!PredictText::IsWordChar(w, i) || (i + 1 == w.size() && !w.at(i).isLetter()))
            return false;
    }
    return !w.isEmpty();
}

bool HasCzechDiacritics(const QString &w) {
    static const QString letters = QStringLiteral("áčďéěíňóřšťúůýž");
    for (const QChar c : w) {
        if (letters.contains(c))
            return true;
    }
    return false;
}

// Words of the Czech subtitles that are not Czech: English lines left untranslated ("you",
// "the", "okay") and names ("joe", "harry"). A word without Czech diacritics that ranks higher in
// the English list than in the Czech one is taken for English: a Czech word that happens to be
// spelled like an English one is much more frequent in Czech. Names rank alike in both, and are
// spelled the English way, so most go too; Czech names stay. The exceptions are genuine Czech
// words (and loanwords Czech uses as its own) that the rule would drop, among the frequent ones.
const QSet<QString> &CzechAfterAll() {
    static const QSet<QString> words = [] {
        QSet<QString> s;
        for (const char *w :
             {"no",        "i",         "on",       "my",      "ok",       "sex",
              "moment",    "film",      "agent",    "show",    "test",     "idiot",
              "stop",      "program",   "video",    "party",   "hotel",    "bar",
              "park",      "stole",     "talent",   "data",    "plus",     "taxi",
              "bravo",     "led",       "most",     "partner", "virus",    "alibi",
              "extra",     "model",     "rock",     "role",    "internet", "pal",
              "pilot",     "symbol",    "student",  "major",   "humor",    "start",
              "host",      "alarm",     "zoo",      "tip",     "list",     "online",
              "expert",    "chaos",     "album",    "drama",   "menu",     "pizza",
              "top",       "pa",        "robot",    "jan",     "ex",       "experiment",
              "golf",      "studio",    "festival", "text",    "ran",      "plot",
              "hit",       "heroin",    "sport",    "detail",  "incident", "dealer",
              "trauma",    "poker",     "bank",     "planet",  "med",      "ego",
              "interview", "junior",    "burger",   "finance", "telegram", "fond",
              "maximum",   "bonus",     "software", "mama",    "risk",     "gin",
              "karate",    "transport", "versus",   "sushi",   "limit",    "cent",
              "metro",     "popcorn",   "tank",     "hold",    "laptop",   "jazz",
              "aspirin",   "media",     "karma",    "team",    "pot",      "papa",
              "status",    "hamburger", "blond",    "piano",   "baron",    "gangster",
              "beta",      "roman",     "tenis",    "box",     "fax",      "mini",
              "super",     "email"})
            s.insert(QString::fromLatin1(w));
        return s;
    }();
    return words;
}

// Subtitles typed without diacritics ("nevim", "myslim") give a second spelling of a word, which
// would take a slot from the real one. A word without diacritics goes when one with them and the
// same letters is at least eight times as frequent; these pairs are both genuine words.
const QSet<QString> &BothGenuine() {
    static const QSet<QString> words = [] {
        QSet<QString> s;
        for (const char *w : {"ze", "byt", "rada", "dni", "druhy", "tvar", "more", "cest", "mile",
                              "cele", "pravo", "pri", "dite", "zena", "lekar"})
            s.insert(QString::fromLatin1(w));
        return s;
    }();
    return words;
}

TList Czech(const TList &cs, const TList &en) {
    QHash<QString, quint32> accented; // folded form -> highest count of a word with diacritics
    for (const auto &[w, c] : cs) {
        if (HasCzechDiacritics(w)) {
            quint32 &best = accented[PredictText::Fold(w)];
            best = std::max(best, c);
        }
    }
    QHash<QString, qsizetype> enRank;
    for (qsizetype i = 0; i < en.size(); ++i)
        enRank.insert(en[i].first, i);
    // One-letter words of Czech; the other letters in the list are initials and noise.
    static const QString single = QStringLiteral("aikosuvz");
    auto english = [&](qsizetype i) {
        const QString &w = cs[i].first;
        const auto it = enRank.constFind(w);
        return !HasCzechDiacritics(w) && it != enRank.cend() && *it < i &&
               !CzechAfterAll().contains(w);
    };
    QSet<QString> dropped;
    for (qsizetype i = 0; i < cs.size(); ++i) {
        if (english(i))
            dropped.insert(cs[i].first);
    }
    // English names come declined as well ("Johne", "Younga", "Johnnyho"): a word that is a
    // dropped one of three letters or more with a Czech case ending goes too.
    static const char *const endings[] = {"a",   "u",   "e",   "i",    "y",   "em",  "ovi",
                                          "ou",  "ho",  "mu",  "ové",  "ům",  "ův",  "ova",
                                          "ovy", "ová", "ovu", "ovou", "ech", "ami", "ovo"};
    auto declinedEnglish = [&](const QString &w) {
        if (CzechAfterAll().contains(w))
            return false;
        for (const char *e : endings) {
            const QString ending = QString::fromUtf8(e);
            const QString stem = w.chopped(std::min(w.size(), ending.size()));
            if (w.endsWith(ending) && stem.size() >= 3 && dropped.contains(stem))
                return true;
        }
        return false;
    };
    TList out;
    for (qsizetype i = 0; i < cs.size(); ++i) {
        const QString &w = cs[i].first;
        if (!IsWord(w) || (w.size() == 1 && !single.contains(w)))
            continue;
        if (english(i) || declinedEnglish(w))
            continue;
        if (!HasCzechDiacritics(w) && quint64(accented.value(w)) >= 8 * quint64(cs[i].second) &&
            !BothGenuine().contains(w))
            continue;
        out.append(cs[i]);
    }
    return out;
}

// The English list splits contractions ("don" + "'t", "'m"); the forms a user writes are put
// back together. A stem that only ever precedes "n't" takes its own count. The clitics after
// pronouns ("'re", "'ll", ...) are shared among the pronouns that take them in proportion to the
// pronouns' own frequencies, an estimate, but one that orders them as the corpus does.
TList English(const TList &en) {
    QHash<QString, quint32> count;
    for (const auto &[w, c] : en)
        count.insert(w, c);
    TList out;
    for (const auto &[w, c] : en) {
        if (w == QLatin1String("i"))
            out.append({QStringLiteral("I"), c});
        else if (IsWord(w) && (w.size() > 1 || w == QLatin1String("a")))
            out.append({w, c});
    }
    static const char *const notStems[] = {"don",    "didn",   "doesn",   "isn",   "wasn",
                                           "weren",  "aren",   "haven",   "hasn",  "hadn",
                                           "couldn", "wouldn", "shouldn", "mustn", "ain"};
    QSet<QString> stems;
    for (const char *s : notStems) {
        const QString stem = QString::fromLatin1(s);
        stems.insert(stem);
        if (count.value(stem))
            out.append({stem + QStringLiteral("'t"), count.value(stem)});
    }
    struct TClitic {
        const char *Ending;
        QList<const char *> Pronouns;
    };
    const QList<TClitic> clitics = {
        {"'m", {"I"}},
        {"'re", {"you", "we", "they", "what", "who"}},
        {"'ll", {"I", "you", "we", "they", "it", "he", "she", "that"}},
        {"'ve", {"I", "you", "we", "they", "could", "would", "should"}},
        {"'d", {"I", "you", "we", "they", "he", "she"}},
        {"'s", {"it", "that", "what", "he", "she", "there", "let", "who", "where", "here"}},
        {"'t", {"can", "won"}},
    };
    for (const TClitic &c : clitics) {
        const QString ending = QString::fromLatin1(c.Ending);
        quint64 total = 0;
        for (const char *p : c.Pronouns)
            total += count.value(QString::fromLatin1(p).toLower());
        // "'t" after stems is already given to the stems above; what is left goes to these.
        quint64 left = count.value(ending);
        if (ending == QLatin1String("'t")) {
            for (const QString &s : std::as_const(stems))
                left -= std::min<quint64>(left, count.value(s));
        }
        for (const char *p : c.Pronouns) {
            const QString pronoun = QString::fromLatin1(p);
            if (total == 0)
                break;
            const quint64 share = left * count.value(pronoun.toLower()) / total;
            if (share > 0)
                out.append({pronoun + ending, quint32(std::min<quint64>(share, 0xffffffffu))});
        }
    }
    // The bare stems are no words of their own, nor are contractions missing their apostrophe
    // ("dont", "im"), unless they are words too ("its", "well").
    static const QSet<QString> realWords = {
        QStringLiteral("wont"), QStringLiteral("ill"),   QStringLiteral("id"),
        QStringLiteral("its"),  QStringLiteral("were"),  QStringLiteral("lets"),
        QStringLiteral("well"), QStringLiteral("shell"), QStringLiteral("hell"),
        QStringLiteral("wed"),  QStringLiteral("shed"),  QStringLiteral("cant"),
        QStringLiteral("hes"),  QStringLiteral("whos")};
    QSet<QString> unapostrophed;
    for (const auto &item : out) {
        if (item.first.contains(QLatin1Char('\'')))
            unapostrophed.insert(item.first.toLower().remove(QLatin1Char('\'')));
    }
    TList kept;
    for (const auto &item : out) {
        const bool bare = unapostrophed.contains(item.first) && !realWords.contains(item.first);
        if (!stems.contains(item.first) && !bare)
            kept.append(item);
    }
    return kept;
}

int Write(const QString &path, const TList &words) {
    QSaveFile out(path);
    const QByteArray bytes = TLexicon::Build(words);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "orvanta-predictdata: %s: %s\n", qPrintable(path),
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    TList cs, en;
    if (args.size() == 4 && args[0] == QLatin1String("cs")) {
        if (!ReadList(args[1], &cs) || !ReadList(args[2], &en))
            return 1;
        return Write(args[3], Czech(cs, en));
    }
    if (args.size() == 3 && args[0] == QLatin1String("en")) {
        if (!ReadList(args[1], &en))
            return 1;
        return Write(args[2], English(en));
    }
    std::fputs("usage: orvanta-predictdata cs CS_LIST EN_LIST OUT\n"
               "       orvanta-predictdata en EN_LIST OUT\n",
               stderr);
    return 2;
}
