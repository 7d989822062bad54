// What the bundled keyboards cost a switch user on conversational text they were not laid out
// for (texts/, written for this benchmark; the layouts were made from data/layout/): scan steps
// per character, alphabetical against frequency-ordered, with and without five prediction
// slots, one and two switches, default scan mode. Then the time of a scan-cost run over 10,000
// characters on a 10 x 6 table and of laying out a 10 x 6 keyboard.
#include "Error.h"
#include "KbtLayout.h"
#include "Lexicon.h"
#include "Predictor.h"
#include "ScanCost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

int Failures = 0;

QByteArray Read(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_scancost: cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return f.readAll();
}

QString Tables() {
    return QString::fromUtf8(ORVANTA_PROGRAM_DIR) + QStringLiteral("Tables/");
}

// The table and the tables its links open, as the tool loads them.
QList<TCostTable> Load(const QString &name) {
    QList<TCostTable> tables{ReadCostTable(Read(Tables() + name), name)};
    QStringList seen{name};
    for (qsizetype t = 0; t < tables.size(); ++t) {
        const QList<TCostKey> keys = tables[t].Keys;
        for (const TCostKey &k : keys) {
            if (k.Kind != TCostKeyKind::Link || seen.contains(k.Link))
                continue;
            seen.append(k.Link);
            tables.append(ReadCostTable(Read(Tables() + k.Link), k.Link));
        }
    }
    return tables;
}

double StepsPerChar(const QString &table, const QString &text, const QString &lang, int slotCount,
                    int switches) {
    TCostOptions o;
    o.Switches = switches;
    o.Slots = slotCount;
    TPredictor predictor;
    if (slotCount > 0) {
        TLexicon lexicon;
        QString error;
        const QString path = QString::fromUtf8(ORVANTA_PROGRAM_DIR) + QStringLiteral("Predict/") +
                             lang + QStringLiteral(".lex");
        if (!lexicon.Load(path, &error)) {
            std::fprintf(stderr, "bench_scancost: %s\n", qPrintable(error));
            std::exit(1);
        }
        predictor.SetLexicon(std::move(lexicon));
        o.Predictor = &predictor;
    }
    TScanCost cost(Load(table), o);
    return cost.Run(text).StepsPerChar();
}

void Budget(const char *what, double value, double budget, bool atLeast, const char *unit) {
    const bool ok = atLeast ? value >= budget : value < budget;
    if (!ok)
        ++Failures;
    std::printf("%-58s %8.3f %s  %s %.2f  %s\n", what, value, unit, atLeast ? ">=" : "<", budget,
                ok ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    struct TLang {
        const char *Name;
        QString Lang, Alphabetical, Frequency;
    };
    const QList<TLang> langs = {
        {"Czech", QStringLiteral("cs"), QStringLiteral("index.kbt"),
         QStringLiteral("pismena-frekvence.kbt")},
        {"English", QStringLiteral("en"), QStringLiteral("letters.kbt"),
         QStringLiteral("en-letters-frequency.kbt")},
    };
    try {
        std::printf("Scan steps per character, default scan mode, held-out text\n");
        std::printf("%-8s %-26s %9s %9s %9s %9s\n", "", "keyboard", "1 switch", "+5 slots",
                    "2 switch", "+5 slots");
        for (const TLang &l : langs) {
            const QString text = QString::fromUtf8(
                Read(QString::fromUtf8(ORVANTA_BENCH_TEXTS) + l.Lang + QStringLiteral(".txt")));
            double alpha = 0, freq = 0, freqSlots = 0;
            for (const QString &table : {l.Alphabetical, l.Frequency}) {
                double v[4];
                for (int s = 0; s < 2; ++s)
                    for (int p = 0; p < 2; ++p)
                        v[s * 2 + p] = StepsPerChar(table, text, l.Lang, p * 5, s + 1);
                std::printf("%-8s %-26s %9.2f %9.2f %9.2f %9.2f\n", l.Name, qPrintable(table), v[0],
                            v[1], v[2], v[3]);
                if (table == l.Alphabetical)
                    alpha = v[0];
                else {
                    freq = v[0];
                    freqSlots = v[1];
                }
            }
            const QByteArray a =
                QStringLiteral("%1: frequency-ordered, fewer steps than alphabetical")
                    .arg(QString::fromLatin1(l.Name))
                    .toUtf8();
            Budget(a.constData(), 100.0 * (1.0 - freq / alpha), 30, true, "%");
            const QByteArray b =
                QStringLiteral("%1: frequency-ordered + 5 slots, fewer than alphabetical")
                    .arg(QString::fromLatin1(l.Name))
                    .toUtf8();
            Budget(b.constData(), 100.0 * (1.0 - freqSlots / alpha), 40, true, "%");
        }

        // 10,000 characters of the Czech text on the 10 x 6 alphabetical keyboard.
        QString text = QString::fromUtf8(
            Read(QString::fromUtf8(ORVANTA_BENCH_TEXTS) + QStringLiteral("cs.txt")));
        QString longText;
        while (longText.size() < 10000)
            longText += text;
        longText.truncate(10000);
        QElapsedTimer timer;
        timer.start();
        TScanCost cost(Load(QStringLiteral("index.kbt")), TCostOptions{});
        cost.Run(longText);
        Budget("scan-cost, 10 x 6 table, 10,000 characters", double(timer.nsecsElapsed()) / 1e9,
               0.5, false, "s");

        TLayoutOptions options;
        options.Rows = 6;
        options.Cols = 10;
        options.TemplateName = QStringLiteral("index.kbt");
        options.OutputName = QStringLiteral("pismena-frekvence.kbt");
        const QString training = QString::fromUtf8(
            Read(QString::fromUtf8(ORVANTA_LAYOUT_TEXTS) + QStringLiteral("cs.txt")));
        timer.restart();
        const TLayoutResult r =
            LayOutKeys(Read(Tables() + options.TemplateName), training, options);
        Budget("layout, 10 x 6 keyboard", double(timer.nsecsElapsed()) / 1e9, 60, false, "s");
        std::printf("  layout: %.3f steps a selection; alphabetical %.3f; no layout below %.3f\n",
                    double(r.Steps) / double(r.Selections),
                    double(r.TemplateSteps) / double(r.Selections),
                    double(r.LowerBound) / double(r.Selections));
    } catch (const TError &e) {
        std::fprintf(stderr, "bench_scancost: %s\n", qPrintable(e.Message()));
        return 1;
    }
    // Reported, not enforced: scripts/bench runs every benchmark to the end.
    if (Failures > 0)
        std::printf("%d budget(s) missed\n", Failures);
    return 0;
}
