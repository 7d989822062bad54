// Keystroke savings of word prediction on conversational text, against a naive completer, and
// the cost of a query, of loading the word list and of holding it. See README.md.
#include "Lexicon.h"
#include "PredictText.h"
#include "Predictor.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

using namespace PredictText;

namespace {

using TSlotFunction = std::function<QStringList(const QString &text, bool capital)>;

// Wall time of each query, and the processor time this thread spent in it: on a busy machine
// the first includes the time others ran, the second is the query's own cost.
QList<double> QueryMicros;
QList<double> QueryCpuMicros;

double ThreadCpuMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}
// Set while our predictor types (the naive one is neither timed nor traced). With the
// environment variable BENCH_PREDICT_TRACE each word is listed with the letters typed before a
// slot offered it.
bool Debug = false;
const bool Trace = qEnvironmentVariableIsSet("BENCH_PREDICT_TRACE");

// The user of the simulation: types letter by letter, chooses a slot as soon as it shows the
// word, and lets punctuation right after a chosen word take the place of its space.
struct TTypist {
    TSlotFunction Slots;
    std::function<void(const QString &)> Observe = [](const QString &) {};
    bool BaseLetters = false;

    QString Display;
    qint64 Keystrokes = 0;

    QStringList Query() {
        const auto t0 = std::chrono::steady_clock::now();
        const double c0 = ThreadCpuMicros();
        QStringList out = Slots(Display, AtSentenceStart(Display, WordStart(Display)));
        if (Debug) {
            QueryMicros.append(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                    .count());
            QueryCpuMicros.append(ThreadCpuMicros() - c0);
        }
        return out;
    }
    void Press(const QString &chars, int cost = 1) {
        Display += chars;
        Keystrokes += cost;
        Observe(Display);
    }

    void TypeWord(const QString &word) {
        const qsizetype start = Display.size();
        for (qsizetype i = 0;; ++i) {
            const QStringList shown = Query();
            if (shown.contains(word)) {
                if (Debug && Trace)
                    std::fprintf(stderr, "%s %d/%d\n", qPrintable(word), int(i), int(word.size()));
                Display.chop(i);
                Press(word + QLatin1Char(' '));
                Chosen = true;
                return;
            }
            if (i == word.size())
                break;
            QChar c = word.at(i);
            if (BaseLetters)
                c = c.isUpper() ? FoldChar(c).toUpper() : FoldChar(c);
            // One keystroke a character, as the characters of the text are counted.
            Press(QString(c));
        }
        if (Debug && Trace)
            std::fprintf(stderr, "%s never\n", qPrintable(word));
        // Never offered: mend what base letters got wrong with the accent keys.
        const QString typed = Display.mid(start);
        qsizetype j = 0;
        while (j < word.size() && typed.at(j) == word.at(j))
            ++j;
        if (j == word.size())
            return;
        Display.truncate(start + j);
        Keystrokes += word.size() - j;
        for (qsizetype k = j; k < word.size(); ++k)
            Press(QString(word.at(k)), FoldChar(word.at(k)) != word.at(k).toLower() ? 2 : 1);
    }

    void Type(const QString &text) {
        for (qsizetype i = 0; i < text.size();) {
            if (IsWordChar(text, i)) {
                qsizetype e = i;
                while (e < text.size() && IsWordChar(text, e))
                    ++e;
                TypeWord(text.mid(i, e - i));
                i = e;
                continue;
            }
            const QChar c = text.at(i++);
            if (Chosen && c == QLatin1Char(' ')) {
                Chosen = false;
                continue; // the choice wrote it
            }
            if (Chosen && c != QLatin1Char('\n') && c.isPunct())
                Display.chop(1);
            Chosen = false;
            // Right after a comma or a full stop the slots already offer the next word, and
            // choosing it writes the space before it too.
            if (c == QLatin1Char(' ') && !Display.isEmpty() && Display.back().isPunct() &&
                IsWordChar(text, i)) {
                qsizetype e = i;
                while (e < text.size() && IsWordChar(text, e))
                    ++e;
                const QString next = text.mid(i, e - i);
                if (Query().contains(next)) {
                    Press(QLatin1Char(' ') + next + QLatin1Char(' '));
                    Chosen = true;
                    i = e;
                    continue;
                }
            }
            Press(QString(c));
        }
    }
    bool Chosen = false;
};

// The benchmark's texts, or those of the folder named on the command line (to choose weights on
// other texts than the ones reported).
QString TextsDir = QString::fromUtf8(ORVANTA_BENCH_TEXTS);

QString ReadText(const char *name) {
    QFile f(TextsDir + QString::fromUtf8(name));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_predict: cannot read %s\n", name);
        std::exit(1);
    }
    return QString::fromUtf8(f.readAll());
}

// The naive completer: the raw list, prefix only (diacritics as typed), most frequent first.
class TNaive {
public:
    explicit TNaive(const QString &list) {
        QFile f(list);
        if (!f.open(QIODevice::ReadOnly))
            std::exit(1);
        while (!f.atEnd()) {
            const QList<QByteArray> parts = f.readLine().trimmed().split(' ');
            if (parts.size() == 2)
                FWords.append({QString::fromUtf8(parts[0]), parts[1].toUInt()});
        }
        for (qsizetype i = 0; i < 5 && i < FWords.size(); ++i)
            FTop.append(FWords[i].first);
        std::sort(FWords.begin(), FWords.end());
    }
    QStringList FTop5(bool capital) const {
        QStringList out;
        for (const QString &w : FTop)
            out.append(ApplyCase(w, QString(), capital));
        return out;
    }
    QStringList Slots(const QString &text, bool capital) const {
        const qsizetype start = WordStart(text);
        const QString typed = text.mid(start).toLower();
        // An empty prefix matches every word: the most frequent ones, after a space or
        // punctuation as ours offers them (the typist's choice then writes the space before).
        if (typed.isEmpty() && !text.isEmpty() && !text.back().isSpace() && !text.back().isPunct())
            return {};
        auto it = std::lower_bound(FWords.begin(), FWords.end(), std::pair{typed, 0u});
        QList<std::pair<quint32, QString>> found;
        if (typed.isEmpty())
            return FTop5(capital);
        for (; it != FWords.end() && it->first.startsWith(typed); ++it)
            found.append({it->second, it->first});
        std::sort(found.begin(), found.end(), std::greater<>());
        QStringList out;
        for (qsizetype i = 0; i < found.size() && out.size() < 5; ++i)
            out.append(ApplyCase(found[i].second, text.mid(start), capital));
        return out;
    }

private:
    QList<std::pair<QString, quint32>> FWords;
    QStringList FTop;
};

qint64 ResidentBytes() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

QString LexiconPath(const char *lang) {
    return QString::fromUtf8(ORVANTA_PROGRAM_DIR) +
           QStringLiteral("Predict/%1.lex").arg(QString::fromUtf8(lang));
}

TLexicon Load(const char *lang) {
    TLexicon lexicon;
    QString error;
    if (!lexicon.Load(LexiconPath(lang), &error)) {
        std::fprintf(stderr, "bench_predict: %s\n", qPrintable(error));
        std::exit(1);
    }
    return lexicon;
}

double Ksr(const QString &text, qint64 keystrokes) {
    return 1.0 - double(keystrokes) / double(text.size());
}

int Failures = 0;

void Report(const char *what, double ksr, double naive, double budget) {
    const bool ok = ksr >= budget;
    Failures += ok ? 0 : 1;
    std::printf("%-44s %6.3f   %6.3f   >= %.2f  %s\n", what, ksr, naive, budget,
                ok ? "ok" : "MISSED");
}

// One pass through `text` with `predictor`; `learn` lets it learn from what is written.
double PredictorKsr(TPredictor &predictor, const QString &text, bool baseLetters, bool learn) {
    TTypist t;
    Debug = true;
    t.Slots = [&](const QString &d, bool capital) { return predictor.Candidates(d, capital, 5); };
    if (learn)
        t.Observe = [&](const QString &d) { predictor.Observe(d); };
    t.BaseLetters = baseLetters;
    t.Type(text);
    if (t.Display != text)
        std::fprintf(stderr, "bench_predict: the typed text differs from the original\n");
    return Ksr(text, t.Keystrokes);
}

double NaiveKsr(const TNaive &naive, const QString &text, bool baseLetters) {
    TTypist t;
    Debug = false;
    t.Slots = [&](const QString &d, bool capital) { return naive.Slots(d, capital); };
    t.BaseLetters = baseLetters;
    t.Type(text);
    return Ksr(text, t.Keystrokes);
}

} // namespace

int main(int argc, char **argv) {
    if (argc > 1)
        TextsDir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const QString cs = ReadText("cs.txt");
    const QString en = ReadText("en.txt");

    // Load time and memory first, before anything else has touched the heap much.
    const qint64 before = ResidentBytes();
    QElapsedTimer timer;
    timer.start();
    TLexicon csLexicon = Load("cs");
    const double loadMs = double(timer.nsecsElapsed()) / 1e6;
    const qint64 added = ResidentBytes() - before;
    QList<double> loads;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        TLexicon again = Load("cs");
        loads.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(loads.begin(), loads.end());
    TLexicon enLexicon = Load("en");

    const TNaive naiveCs(QString::fromUtf8(ORVANTA_WORDFREQ_DIR) + QStringLiteral("cs_50k.txt"));
    const TNaive naiveEn(QString::fromUtf8(ORVANTA_WORDFREQ_DIR) + QStringLiteral("en_50k.txt"));

    std::printf("KSR, 5 slots (%lld Czech and %lld English characters)\n", qlonglong(cs.size()),
                qlonglong(en.size()));
    std::printf("%-44s %6s   %6s   %s\n", "", "ours", "naive", "budget");
    QueryMicros.clear();
    QueryCpuMicros.clear();
    {
        TPredictor p;
        p.SetLexicon(csLexicon);
        Report("Czech", PredictorKsr(p, cs, false, false), NaiveKsr(naiveCs, cs, false), 0.42);
    }
    {
        TPredictor p;
        p.SetLexicon(enLexicon);
        Report("English", PredictorKsr(p, en, false, false), NaiveKsr(naiveEn, en, false), 0.50);
    }
    {
        TPredictor p;
        p.SetLexicon(csLexicon);
        Report("Czech, base letters only", PredictorKsr(p, cs, true, false),
               NaiveKsr(naiveCs, cs, true), 0.40);
    }
    for (const auto &[name, text, lexicon, naive] :
         {std::tuple{"Czech", &cs, &csLexicon, &naiveCs},
          std::tuple{"English", &en, &enLexicon, &naiveEn}}) {
        TPredictor p;
        p.SetLexicon(*lexicon);
        const double first = PredictorKsr(p, *text, false, true);
        const double second = PredictorKsr(p, *text, false, true);
        const double naiveKsr = NaiveKsr(*naive, *text, false);
        std::printf(
            "%-44s %6.3f   %6.3f\n",
            qPrintable(QStringLiteral("%1, first pass, learning").arg(QString::fromUtf8(name))),
            first, naiveKsr);
        Report(qPrintable(QStringLiteral("%1, second pass, learning").arg(QString::fromUtf8(name))),
               second, naiveKsr, 0.60);
    }

    const auto report = [](const char *what) {
        const auto at = [](QList<double> &v, double q) {
            std::sort(v.begin(), v.end());
            return v[qsizetype(q * double(v.size() - 1))];
        };
        std::printf("query, %s (%lld): median %.1f us, 99th percentile %.1f us; processor time "
                    "median %.1f us, 99th percentile %.1f us (budget 1000 us)\n",
                    what, qlonglong(QueryMicros.size()), at(QueryMicros, 0.5),
                    at(QueryMicros, 0.99), at(QueryCpuMicros, 0.5), at(QueryCpuMicros, 0.99));
    };
    std::printf("\n");
    report("the passes above");

    // A user model at its limit: every query also looks through the learned words.
    {
        TPredictor p;
        p.SetLexicon(csLexicon);
        TUserModel &model = p.UserModel();
        const qsizetype words = std::min<qsizetype>(csLexicon.Size(), model.MaxWords());
        for (qsizetype i = 0; i < words; ++i) {
            const qsizetype k = (i * 7919) % csLexicon.Size(); // spread over the alphabet
            model.Learn(i % 3 ? QString() : csLexicon.Word((k + 1) % csLexicon.Size()),
                        csLexicon.Word(k));
        }
        QueryMicros.clear();
        PredictorKsr(p, cs, false, false);
        report(qPrintable(
            QStringLiteral("Czech, %1 learned words, first queries").arg(model.Words().size())));
        QueryMicros.clear();
        PredictorKsr(p, cs, false, false);
        report(
            qPrintable(QStringLiteral("Czech, %1 learned words, again").arg(model.Words().size())));
    }
    std::printf(
        "Czech word list: %lld words, first load %.2f ms, median load %.2f ms (budget 30 ms), "
        "memory added %.2f MiB (budget 8 MiB)\n",
        qlonglong(csLexicon.Size()), loadMs, loads[loads.size() / 2],
        double(added) / (1024.0 * 1024.0));
    // Reported, not enforced: scripts/bench runs every benchmark to the end.
    if (Failures > 0)
        std::printf("%d budget(s) missed\n", Failures);
    return 0;
}
