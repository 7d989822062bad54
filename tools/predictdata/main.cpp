// orvanta-predictdata: the compact word lists of prediction, made from the frequency lists at
// build time, and the lists of word pairs, made once from texts (see data/wordpairs/README.md).
//   orvanta-predictdata cs CS_LIST EN_LIST [--pairs PAIRS] OUT
//       (the English list tells foreign words apart)
//   orvanta-predictdata en EN_LIST [--pairs PAIRS] OUT
//   orvanta-predictdata pairs cs|en MIN_COUNT MAX_PAIRS OUT FORTUNE_FILE...
#include "Lexicon.h"
#include "PredictText.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
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
              "super",     "email",     "let",      "past"})
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
    // dropped one of three letters or more with a Czech case ending goes too, unless it is far
    // more frequent than that word, which makes it a word of its own ("bude" and "budu" are no
    // cases of "bud", nor "tady" of "tad", "doma" of "dom"). A name's cases are rarer than the
    // name or as common; of the forms this keeps (4 times as frequent or more, about 70 in the
    // list) nearly all are Czech words, where from twice as frequent on declined names come in
    // ("Yorku", "Texasu").
    QHash<QString, quint32> csCount;
    for (const auto &[w, c] : cs)
        csCount.insert(w, c);
    constexpr quint64 OwnWord = 4;
    static const char *const endings[] = {"a",   "u",   "e",   "i",    "y",   "em",  "ovi",
                                          "ou",  "ho",  "mu",  "ové",  "ům",  "ův",  "ova",
                                          "ovy", "ová", "ovu", "ovou", "ech", "ami", "ovo"};
    auto declinedEnglish = [&](const QString &w, quint32 count) {
        if (CzechAfterAll().contains(w))
            return false;
        for (const char *e : endings) {
            const QString ending = QString::fromUtf8(e);
            const QString stem = w.chopped(std::min(w.size(), ending.size()));
            if (w.endsWith(ending) && stem.size() >= 3 && dropped.contains(stem))
                return quint64(count) < OwnWord * quint64(csCount.value(stem));
        }
        return false;
    };
    TList out;
    for (qsizetype i = 0; i < cs.size(); ++i) {
        const QString &w = cs[i].first;
        if (!IsWord(w) || (w.size() == 1 && !single.contains(w)))
            continue;
        if (english(i) || declinedEnglish(w, cs[i].second))
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

// How a pair list writes the start of a sentence: no word, since '<' is no letter.
const QString StartToken = QStringLiteral("<s>");
// Followers kept for one word at most: the best, which are what the slots can show.
constexpr qsizetype MaxFollowers = 48;

bool ReadPairs(const QString &path, QList<TLexicon::TPair> *out) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "orvanta-predictdata: %s: %s\n", qPrintable(path),
                     qPrintable(f.errorString()));
        return false;
    }
    while (!f.atEnd()) {
        const QStringList parts = QString::fromUtf8(f.readLine()).trimmed().split(u' ');
        bool ok = false;
        const quint32 count = parts.size() == 3 ? parts[2].toUInt(&ok) : 0;
        if (ok && count > 0)
            out->append({parts[0] == StartToken ? QString() : parts[0], parts[1], count});
    }
    return true;
}

int WriteBytes(const QString &path, const QByteArray &bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "orvanta-predictdata: %s: %s\n", qPrintable(path),
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}

int Write(const QString &path, const TList &words, const QString &pairsPath) {
    QList<TLexicon::TPair> pairs;
    if (!pairsPath.isEmpty() && !ReadPairs(pairsPath, &pairs))
        return 1;
    return WriteBytes(path, TLexicon::Build(words, pairs));
}

// True when a quotation is in the language asked for. Czech: it has Czech diacritics and none of
// Slovak's letters or commonest words (the Czech collection quotes Slovak songs now and then).
// English: letters of ASCII only.
bool InLanguage(const QString &text, bool czech) {
    if (!czech) {
        for (const QChar c : text) {
            if (c.isLetter() && c.unicode() >= 0x80)
                return false;
        }
        return true;
    }
    static const QString slovakLetters = QStringLiteral("äľĺŕôÄĽĹŔÔ");
    static const QSet<QString> slovakWords = {
        QStringLiteral("sa"),  QStringLiteral("ako"),   QStringLiteral("som"),
        QStringLiteral("keď"), QStringLiteral("nie"),   QStringLiteral("sú"),
        QStringLiteral("aj"),  QStringLiteral("ktorý"), QStringLiteral("môže")};
    bool czechLetter = false;
    for (const QChar c : text) {
        if (slovakLetters.contains(c))
            return false;
        czechLetter = czechLetter || HasCzechDiacritics(QString(c.toLower()));
    }
    const QStringList words =
        text.toLower().split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    for (const QString &w : words) {
        if (slovakWords.contains(w))
            return false;
    }
    return czechLetter;
}

// The text of one quotation as prediction sees typed text: its wrapped lines joined, a blank line
// a break, and the line naming its author ("-- Seneca") left out.
QString QuotationText(const QStringList &lines) {
    QString text;
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("--")) || line.startsWith(QChar(0x2014)))
            continue;
        if (line.isEmpty()) {
            text += QLatin1Char('\n');
            continue;
        }
        if (!text.isEmpty() && !text.back().isSpace())
            text += QLatin1Char(' ');
        text += line;
    }
    // Page references ("(str. 8)") are no part of the sentence.
    static const QRegularExpression reference(QStringLiteral("\\([^)]*\\d[^)]*\\)"));
    return text.remove(reference) + QLatin1Char('\n');
}

// Words no pair of the shipped lists may hold: the slots should not offer vulgar words
// unprompted, though someone who writes them is offered them from the user's own pairs.
bool Vulgar(const QString &word) {
    static const QSet<QString> words = [] {
        QSet<QString> s;
        for (const char *w :
             {"ass",     "arse",  "piss",  "shit",     "fuck",  "fucking", "cunt",  "bitch",
              "bastard", "crap",  "dick",  "whore",    "kurva", "prdel",   "hovno", "sračka",
              "píča",    "čurák", "debil", "zkurvený", "sex",   "sexy"})
            s.insert(QString::fromUtf8(w));
        return s;
    }();
    return words.contains(word);
}

// The pairs of a text, the way TPredictor::Observe learns them: a word ended by a space or
// punctuation, lower case, after the word before it or after a sentence start ("").
void CountPairs(const QString &text, QHash<std::pair<QString, QString>, quint32> *pairs) {
    PredictText::ForEachEndedWord(text, 0, [&](qsizetype s, qsizetype end) {
        ++(*pairs)[{PredictText::PreviousWord(text, s), text.mid(s, end - s).toLower()}];
    });
}

int MakePairs(const QStringList &args) {
    const bool czech = args[1] == QLatin1String("cs");
    bool ok1 = false, ok2 = false;
    const quint32 minCount = args[2].toUInt(&ok1);
    const qsizetype maxPairs = args[3].toLongLong(&ok2);
    if ((!czech && args[1] != QLatin1String("en")) || !ok1 || !ok2 || minCount == 0) {
        std::fputs("orvanta-predictdata pairs: language cs or en, MIN_COUNT and MAX_PAIRS are "
                   "numbers, MIN_COUNT at least 1\n",
                   stderr);
        return 2;
    }
    QHash<std::pair<QString, QString>, quint32> counts;
    for (const QString &path : args.mid(5)) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "orvanta-predictdata: %s: %s\n", qPrintable(path),
                         qPrintable(f.errorString()));
            return 1;
        }
        // Quotations are separated by a line holding only "%".
        const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
        QStringList quotation;
        for (qsizetype i = 0; i <= lines.size(); ++i) {
            if (i < lines.size() && lines[i].trimmed() != QLatin1String("%")) {
                quotation.append(lines[i]);
                continue;
            }
            const QString text = QuotationText(quotation);
            if (InLanguage(text, czech))
                CountPairs(text, &counts);
            quotation.clear();
        }
    }
    struct TKept {
        QString First, Second;
        quint32 Count;
    };
    QList<TKept> kept;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (*it >= minCount && !Vulgar(it.key().first) && !Vulgar(it.key().second))
            kept.append({it.key().first, it.key().second, *it});
    }
    auto byCount = [](const TKept &a, const TKept &b) {
        if (a.Count != b.Count)
            return a.Count > b.Count;
        return a.First != b.First ? a.First < b.First : a.Second < b.Second;
    };
    std::sort(kept.begin(), kept.end(), byCount);
    QHash<QString, qsizetype> followers;
    QByteArray out;
    qsizetype written = 0;
    for (const TKept &k : std::as_const(kept)) {
        if (written == maxPairs)
            break;
        if (++followers[k.First] > MaxFollowers)
            continue;
        out += (k.First.isEmpty() ? StartToken : k.First).toUtf8() + ' ' + k.Second.toUtf8() + ' ' +
               QByteArray::number(k.Count) + '\n';
        ++written;
    }
    return WriteBytes(args[4], out);
}

} // namespace

int main(int argc, char **argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.size() >= 6 && args[0] == QLatin1String("pairs"))
        return MakePairs(args);
    QString pairs;
    const qsizetype option = args.indexOf(QLatin1String("--pairs"));
    if (option >= 0 && option + 1 < args.size()) {
        pairs = args[option + 1];
        args.remove(option, 2);
    }
    TList cs, en;
    if (args.size() == 4 && args[0] == QLatin1String("cs")) {
        if (!ReadList(args[1], &cs) || !ReadList(args[2], &en))
            return 1;
        return Write(args[3], Czech(cs, en), pairs);
    }
    if (args.size() == 3 && args[0] == QLatin1String("en")) {
        if (!ReadList(args[1], &en))
            return 1;
        return Write(args[2], English(en), pairs);
    }
    std::fputs("usage: orvanta-predictdata cs CS_LIST EN_LIST [--pairs PAIRS] OUT\n"
               "       orvanta-predictdata en EN_LIST [--pairs PAIRS] OUT\n"
               "       orvanta-predictdata pairs cs|en MIN_COUNT MAX_PAIRS OUT FORTUNE_FILE...\n",
               stderr);
    return 2;
}
