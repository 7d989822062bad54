#include "ScanCostCommand.h"

#include "ShippedFile.h"

#include "Error.h"
#include "KbtLayout.h"
#include "Lexicon.h"
#include "Predictor.h"
#include "ScanCost.h"
#include "ScanHeatmap.h"
#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace {

int Fail(const QString &message) {
    std::fprintf(stderr, "orvanta-kbt: %s\n", message.toLocal8Bit().constData());
    return 1;
}

int Usage(const char *text) {
    std::fputs(text, stderr);
    return 2;
}

const char ScanCostUsage[] =
    "usage: orvanta-kbt scan-cost TABLE --text FILE [--mode MODE] [--switches 1|2]\n"
    "                             [--predict SLOTS] [--lang cs|en] [--lexicon FILE]\n"
    "                             [--step MS] [--json] [--heatmap OUT.png]\n";

QByteArray ReadFile(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw TError(QStringLiteral("%1: %2").arg(path, f.errorString()));
    return f.readAll();
}

// The table and every table its link keys reach, looked up beside it (as the program looks them
// up in its table folder). A linked table that cannot be read is left out with a warning: its
// link then counts as a key the text never needs.
QList<TCostTable> LoadTables(const QString &path) {
    QList<TCostTable> tables;
    tables.append(ReadCostTable(ReadFile(path), QFileInfo(path).fileName()));
    const QDir dir = QFileInfo(path).absoluteDir();
    QStringList seen{tables.first().Name.toLower()};
    constexpr int MaxTables = 64;
    for (qsizetype t = 0; t < tables.size(); ++t) {
        const QList<TCostKey> keys = tables[t].Keys;
        for (const TCostKey &key : keys) {
            if (key.Kind != TCostKeyKind::Link)
                continue;
            const QString name = QString(key.Link)
                                     .replace(QLatin1Char('\\'), QLatin1Char('/'))
                                     .section(QLatin1Char('/'), -1);
            if (seen.contains(name.toLower()) || tables.size() >= MaxTables)
                continue;
            seen.append(name.toLower());
            QString file = dir.filePath(name);
            if (!QFileInfo::exists(file)) {
                // Tables made elsewhere name files in any letter case.
                for (const QString &entry : dir.entryList(QDir::Files))
                    if (entry.compare(name, Qt::CaseInsensitive) == 0)
                        file = dir.filePath(entry);
            }
            try {
                tables.append(ReadCostTable(ReadFile(file), name));
            } catch (const TError &e) {
                std::fprintf(stderr, "orvanta-kbt: warning: linked table %s left out: %s\n",
                             qPrintable(name), qPrintable(e.Message()));
            }
        }
    }
    return tables;
}

bool ToInt(const QString &text, int low, int high, int *value) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    *value = v;
    return true;
}

} // namespace

int ScanCostCommand(const QStringList &words) {
    QString table, textFile, lang, lexicon, heatmap;
    TCostOptions options;
    bool json = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &w = words[i];
        const bool hasValue = i + 1 < words.size();
        if (w == QLatin1String("--json")) {
            json = true;
            continue;
        }
        if (!w.startsWith(QLatin1Char('-'))) {
            if (!table.isEmpty())
                return Usage(ScanCostUsage);
            table = w;
            continue;
        }
        if (!hasValue)
            return Usage(ScanCostUsage);
        const QString v = words[++i];
        bool ok = true;
        if (w == QLatin1String("--text"))
            textFile = v;
        else if (w == QLatin1String("--mode"))
            ok = ParseScanModes(v, &options.Modes);
        else if (w == QLatin1String("--switches"))
            ok = ToInt(v, 1, 2, &options.Switches);
        else if (w == QLatin1String("--predict"))
            ok = ToInt(v, 0, 8, &options.Slots);
        else if (w == QLatin1String("--step"))
            ok = ToInt(v, 1, 60000, &options.StepMs);
        else if (w == QLatin1String("--lang"))
            ok = (lang = v) == QLatin1String("cs") || lang == QLatin1String("en");
        else if (w == QLatin1String("--lexicon"))
            lexicon = v;
        else if (w == QLatin1String("--heatmap"))
            heatmap = v;
        else
            ok = false;
        if (!ok)
            return Usage(ScanCostUsage);
    }
    if (table.isEmpty() || textFile.isEmpty())
        return Usage(ScanCostUsage);
    try {
        const QList<TCostTable> tables = LoadTables(table);
        const QString text = QString::fromUtf8(ReadFile(textFile));
        TPredictor predictor;
        if (options.Slots > 0) {
            if (lang.isEmpty()) {
                // Czech letters in the text say it is Czech.
                static const QString Czech = QStringLiteral("ěščřžýáíéůúťďň");
                lang = QStringLiteral("en");
                for (QChar c : text.toLower())
                    if (Czech.contains(c)) {
                        lang = QStringLiteral("cs");
                        break;
                    }
            }
            TLexicon lex;
            QString error;
            const QString path = lexicon.isEmpty()
                                     ? ShippedFile(QStringLiteral("Predict/%1.lex").arg(lang))
                                     : lexicon;
            if (!lex.Load(path, &error))
                return Fail(QStringLiteral("%1: %2").arg(path, error));
            predictor.SetLexicon(std::move(lex));
            options.Predictor = &predictor;
        }
        TScanCost cost(tables, options);
        const TCostReport report = cost.Run(text);
        if (json) {
            const QByteArray out = CostReportJson(report, cost.Tables());
            std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
        } else {
            std::fputs(CostReportText(report, cost.Tables()).toLocal8Bit().constData(), stdout);
        }
        if (!heatmap.isEmpty() &&
            !RenderHeatmap(ReadFile(table), report, cost.Tables()).save(heatmap, "PNG"))
            return Fail(QStringLiteral("%1: cannot write the picture.").arg(heatmap));
    } catch (const TError &e) {
        return Fail(QStringLiteral("%1: %2").arg(table, e.Message()));
    }
    return 0;
}

namespace {

const char LayoutUsage[] =
    "usage: orvanta-kbt layout --lang cs|en --text FILE --rows R --cols C -o TABLE\n"
    "                          [--from TABLE] [--copies N]\n";

} // namespace

int LayoutCommand(const QStringList &words) {
    QString lang, textFile, output, from;
    TLayoutOptions options;
    options.Rows = 0;
    options.Cols = 0;
    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
        const QString &w = words[i];
        const QString &v = words[i + 1];
        bool ok = true;
        if (w == QLatin1String("--lang"))
            ok = (lang = v) == QLatin1String("cs") || lang == QLatin1String("en");
        else if (w == QLatin1String("--text"))
            textFile = v;
        else if (w == QLatin1String("--rows"))
            ok = ToInt(v, 1, 100, &options.Rows);
        else if (w == QLatin1String("--cols"))
            ok = ToInt(v, 1, 100, &options.Cols);
        else if (w == QLatin1String("-o"))
            output = v;
        else if (w == QLatin1String("--from"))
            from = v;
        else if (w == QLatin1String("--copies"))
            ok = ToInt(v, 0, 16, &options.Copies);
        else
            ok = false;
        if (!ok)
            return Usage(LayoutUsage);
    }
    if (words.size() % 2 || lang.isEmpty() || textFile.isEmpty() || output.isEmpty() ||
        !options.Rows || !options.Cols)
        return Usage(LayoutUsage);
    // The bundled alphabetical keyboard of the language gives the keys and their looks.
    const QString templateName =
        lang == QLatin1String("cs") ? QStringLiteral("index.kbt") : QStringLiteral("letters.kbt");
    if (from.isEmpty())
        from = ShippedFile(QStringLiteral("Tables/") + templateName);
    options.TemplateName = QFileInfo(from).fileName();
    options.OutputName = QFileInfo(output).fileName();
    options.BackLabel =
        lang == QLatin1String("cs") ? QStringLiteral("Abeceda") : QStringLiteral("ABC");
    try {
        const QString text = QString::fromUtf8(ReadFile(textFile));
        const TLayoutResult r = LayOutKeys(ReadFile(from), text, options);
        QSaveFile out(output);
        if (!out.open(QIODevice::WriteOnly) || out.write(r.Table) != r.Table.size() ||
            !out.commit())
            return Fail(QStringLiteral("%1: %2").arg(output, out.errorString()));
        const double n = double(std::max<qint64>(1, r.Selections));
        std::printf("%lld key selections: %.3f steps each (%s: %.3f; no layout below %.3f)\n",
                    qint64(r.Selections), double(r.Steps) / n, qPrintable(options.TemplateName),
                    double(r.TemplateSteps) / n, double(r.LowerBound) / n);
    } catch (const TError &e) {
        return Fail(QStringLiteral("%1: %2").arg(from, e.Message()));
    }
    return 0;
}
