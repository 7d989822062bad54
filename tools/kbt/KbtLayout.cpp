#include "KbtLayout.h"

#include "Error.h"
#include "KbtAuthoring.h"
#include "KbtJson.h"
#include "StringProc.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <random>

namespace {

// The keys selected, in order, to compose the text: a letter without a key of its own is its
// accent and then the base letter; a line break is the talk key (Enter when there is none).
QList<int> Selections(const TCostTable &t, const QString &input) {
    QString text = input.toLower();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    QHash<QString, int> byOutput;
    for (int k = 0; k < t.Keys.size(); ++k) {
        const TCostKey &key = t.Keys[k];
        if (key.Kind == TCostKeyKind::LineEnd) {
            // The talk key wins: every line is an utterance.
            if (!byOutput.contains(key.Output) || key.Special == QLatin1String("Talk"))
                byOutput.insert(key.Output, k);
        } else if (key.Kind == TCostKeyKind::Text || key.Kind == TCostKeyKind::Accent) {
            if (!byOutput.contains(key.Output))
                byOutput.insert(key.Output, k);
        }
    }
    QList<int> out;
    QMap<QChar, int> missing;
    for (QChar c : text) {
        const auto it = byOutput.constFind(QString(c));
        if (it != byOutput.cend()) {
            out.append(*it);
            continue;
        }
        bool found = false;
        for (QChar accent : {kAccentCaron, kAccentAcute, kAccentRing}) {
            const auto a = byOutput.constFind(QString(accent));
            if (a == byOutput.cend())
                continue;
            for (auto b = byOutput.cbegin(); b != byOutput.cend() && !found; ++b) {
                if (b.key().size() == 1 && ComposeAccent(b.key().at(0), accent) == c) {
                    out.append(*a);
                    out.append(*b);
                    found = true;
                }
            }
            if (found)
                break;
        }
        if (!found)
            ++missing[c];
    }
    if (!missing.isEmpty()) {
        QStringList names;
        for (auto it = missing.cbegin(); it != missing.cend(); ++it)
            names.append(QStringLiteral("\"%1\" (U+%2)")
                             .arg(it.key())
                             .arg(it.key().unicode(), 4, 16, QLatin1Char('0')));
        throw TError(QStringLiteral("the text cannot be composed: no key writes %1")
                         .arg(names.join(QLatin1String(", "))));
    }
    return out;
}

// The pair costs of one grid and the weights of the pairs of items; items past the keys are
// empty cells.
class TPlacement {
public:
    TPlacement(int rows, int cols, int items)
        : FRows(rows)
        , FCols(cols)
        , FN(items)
        , FW(size_t(items) * size_t(items), 0)
        , FPos(size_t(items))
        , FDist(size_t(items) * size_t(items)) {
        // The costs of every pair of cells, looked up in the searches' inner loops.
        for (int p = 0; p < items; ++p)
            for (int q = 0; q < items; ++q) {
                const int dr = ((q / FCols - p / FCols) % FRows + FRows) % FRows;
                const int dc = ((q % FCols - p % FCols) % FCols + FCols) % FCols;
                FDist[size_t(p) * size_t(items) + size_t(q)] = 2 + dr + dc;
            }
    }

    void Add(int a, int b) { ++FW[size_t(a) * size_t(FN) + size_t(b)]; }
    qint64 W(int a, int b) const { return FW[size_t(a) * size_t(FN) + size_t(b)]; }
    int Dist(int p, int q) const { return FDist[size_t(p) * size_t(FN) + size_t(q)]; }
    qint64 Total() const {
        qint64 s = 0;
        for (int a = 0; a < FN; ++a)
            for (int b = 0; b < FN; ++b)
                if (const qint64 w = W(a, b))
                    s += w * Dist(FPos[size_t(a)], FPos[size_t(b)]);
        return s;
    }
    // The change of Total() when items a and b trade cells.
    qint64 SwapDelta(int a, int b) const {
        const int pa = FPos[size_t(a)], pb = FPos[size_t(b)];
        qint64 d = 0;
        for (int k = 0; k < FN; ++k) {
            if (k == a || k == b)
                continue;
            const int pk = FPos[size_t(k)];
            d += W(a, k) * (Dist(pb, pk) - Dist(pa, pk)) + W(k, a) * (Dist(pk, pb) - Dist(pk, pa));
            d += W(b, k) * (Dist(pa, pk) - Dist(pb, pk)) + W(k, b) * (Dist(pk, pa) - Dist(pk, pb));
        }
        d += W(a, b) * (Dist(pb, pa) - Dist(pa, pb)) + W(b, a) * (Dist(pa, pb) - Dist(pb, pa));
        return d;
    }
    void Swap(int a, int b) { std::swap(FPos[size_t(a)], FPos[size_t(b)]); }
    std::vector<int> &Pos() { return FPos; }
    int N() const { return FN; }

private:
    int FRows, FCols, FN;
    std::vector<qint64> FW;
    std::vector<int> FPos;
    std::vector<int> FDist;
};

void Greedy(TPlacement &p, const std::vector<qint64> &uses) {
    const int n = p.N();
    std::vector<int> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return uses[size_t(a)] > uses[size_t(b)]; });
    std::vector<bool> taken(size_t(n), false);
    std::vector<int> placed;
    for (int item : order) {
        int bestCell = -1;
        qint64 bestCost = 0;
        for (int cell = 0; cell < n; ++cell) {
            if (taken[size_t(cell)])
                continue;
            qint64 c = 0;
            for (int other : placed)
                c += p.W(item, other) * p.Dist(cell, p.Pos()[size_t(other)]) +
                     p.W(other, item) * p.Dist(p.Pos()[size_t(other)], cell);
            if (bestCell < 0 || c < bestCost) {
                bestCell = cell;
                bestCost = c;
            }
        }
        taken[size_t(bestCell)] = true;
        p.Pos()[size_t(item)] = bestCell;
        placed.push_back(item);
    }
}

void Anneal(TPlacement &p, unsigned seed, qint64 iterations) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, p.N() - 1);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double t0 = 20.0, t1 = 0.05;
    for (qint64 i = 0; i < iterations; ++i) {
        const double temperature = t0 * std::pow(t1 / t0, double(i) / double(iterations));
        const int a = pick(random), b = pick(random);
        if (a == b)
            continue;
        const qint64 d = p.SwapDelta(a, b);
        if (d <= 0 || unit(random) < std::exp(-double(d) / temperature))
            p.Swap(a, b);
    }
}

void Descend(TPlacement &p) {
    for (bool better = true; better;) {
        better = false;
        for (int a = 0; a < p.N(); ++a)
            for (int b = a + 1; b < p.N(); ++b)
                if (p.SwapDelta(a, b) < 0) {
                    p.Swap(a, b);
                    better = true;
                }
    }
}

// Spare cells hold second copies of the keys most selected. The user takes whichever copy is
// nearer, so the cost is no longer a sum over pairs: the whole sequence of selections is
// replayed. `copies[i]` is the item holding a copy of item i, or -1.
class TReplay {
public:
    TReplay(const TPlacement &p, const QList<int> &items, std::vector<int> copies)
        : FP(p)
        , FItems(items)
        , FCopies(std::move(copies)) {}

    qint64 Cost(const std::vector<int> &pos) const {
        qint64 s = 0;
        int at = -1;
        for (int it : FItems) {
            int cell = pos[size_t(it)];
            const int copy = FCopies[size_t(it)];
            if (at >= 0) {
                int d = FP.Dist(at, cell);
                if (copy >= 0 && FP.Dist(at, pos[size_t(copy)]) < d) {
                    cell = pos[size_t(copy)];
                    d = FP.Dist(at, cell);
                }
                s += d;
            }
            at = cell;
        }
        return s;
    }

private:
    const TPlacement &FP;
    const QList<int> &FItems;
    std::vector<int> FCopies;
};

void AnnealReplay(const TReplay &r, std::vector<int> &pos, unsigned seed, qint64 iterations) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, int(pos.size()) - 1);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    qint64 cost = r.Cost(pos);
    const double t0 = 8.0, t1 = 0.05;
    for (qint64 i = 0; i < iterations; ++i) {
        const double temperature = t0 * std::pow(t1 / t0, double(i) / double(iterations));
        const int a = pick(random), b = pick(random);
        if (a == b)
            continue;
        std::swap(pos[size_t(a)], pos[size_t(b)]);
        const qint64 c = r.Cost(pos);
        if (c <= cost || unit(random) < std::exp(-double(c - cost) / temperature))
            cost = c;
        else
            std::swap(pos[size_t(a)], pos[size_t(b)]);
    }
}

} // namespace

TLayoutResult LayOutKeys(const QByteArray &templateBytes, const QString &text,
                         const TLayoutOptions &options) {
    const TCostTable t = ReadCostTable(templateBytes, options.TemplateName);
    const int keys = int(t.Keys.size());
    if (options.Rows < 1 || options.Cols < 1 || options.Rows > 100 || options.Cols > 100 ||
        options.Rows * options.Cols < 2)
        throw TError(QStringLiteral("a grid of %1 x %2 cannot be scanned")
                         .arg(options.Cols)
                         .arg(options.Rows));
    const QList<int> sel = Selections(t, text);
    if (sel.isEmpty())
        throw TError(QStringLiteral("the text is empty"));
    // The keys of a letter keyboard: the letters and marks the text needs, Space, Backspace, the
    // talk key, the accents and the link back to the template. The rest (letters the text never
    // uses, other marks, arrows, Print, Caps, links elsewhere) stay on the template keyboard,
    // one selection away; an accented letter is also its accent and the base letter. Every
    // cell costs each sweep that passes it, so a key the text never needs is dear.
    QList<int> kept;
    for (int k = 0; k < keys; ++k) {
        const TCostKey &key = t.Keys[k];
        const bool link = key.Kind == TCostKeyKind::Link && !options.OutputName.isEmpty() &&
                          key.Link.compare(options.OutputName, Qt::CaseInsensitive) == 0;
        if (key.Output == QLatin1String(" ") || key.Kind == TCostKeyKind::Accent ||
            key.Special == QLatin1String("Talk") || key.Special == QLatin1String("Backspace") ||
            link || sel.contains(k))
            kept.append(k);
    }
    const int cells = options.Rows * options.Cols;
    // The search keeps a table of every pair of cells: a letter keyboard needs a few dozen.
    constexpr int MaxCells = 400;
    if (cells > MaxCells)
        throw TError(QStringLiteral("a grid of %1 x %2 is too large to lay out (at most %3 cells)")
                         .arg(options.Cols)
                         .arg(options.Rows)
                         .arg(MaxCells));
    if (cells < kept.size())
        throw TError(QStringLiteral("a grid of %1 x %2 has %3 cells; the keyboard needs %4 keys")
                         .arg(options.Cols)
                         .arg(options.Rows)
                         .arg(cells)
                         .arg(kept.size()));
    QHash<int, int> item; // template key -> item of the placement
    for (int i = 0; i < kept.size(); ++i)
        item.insert(kept[i], i);

    TLayoutResult result;
    result.Selections = sel.size();
    TPlacement p(options.Rows, options.Cols, cells);
    TPlacement own(t.nRow, t.nCol, keys);
    std::vector<qint64> uses(size_t(cells), 0);
    for (qsizetype i = 0; i < sel.size(); ++i) {
        ++uses[size_t(item.value(sel[i]))];
        if (i > 0) {
            p.Add(item.value(sel[i - 1]), item.value(sel[i]));
            own.Add(sel[i - 1], sel[i]);
            result.LowerBound += sel[i - 1] == sel[i] ? 2 : 3;
        }
    }
    for (int k = 0; k < keys; ++k)
        own.Pos()[size_t(k)] = t.Keys[k].Col + t.Keys[k].Row * t.nCol;
    result.TemplateSteps = own.Total();

    Greedy(p, uses);
    std::vector<int> best = p.Pos();
    qint64 bestCost = p.Total();
    const std::vector<int> start = best;
    for (int run = 1; run <= std::max(1, options.Runs); ++run) {
        p.Pos() = start;
        Anneal(p, unsigned(run), options.Iterations);
        Descend(p);
        const qint64 c = p.Total();
        if (c < bestCost) {
            bestCost = c;
            best = p.Pos();
        }
    }
    result.Steps = bestCost;
    // Copies of the most selected keys in the cells left over, placed by annealing over the
    // whole text.
    QList<int> items;
    for (int k : sel)
        items.append(item.value(k));
    std::vector<int> copies(size_t(cells), -1);
    QList<int> copied; // item of each copy's original, by copy item
    const int spare = std::min(options.Copies, cells - int(kept.size()));
    if (spare > 0) {
        std::vector<int> order;
        for (int i = 0; i < kept.size(); ++i)
            order.push_back(i);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return uses[size_t(a)] > uses[size_t(b)]; });
        for (int j = 0; j < spare && j < int(order.size()); ++j) {
            copies[size_t(order[size_t(j)])] = int(kept.size()) + j;
            copied.append(order[size_t(j)]);
            uses[size_t(kept.size()) + size_t(j)] = 1;
        }
        const TReplay replay(p, items, copies);
        std::vector<int> start = best;
        qint64 c = replay.Cost(best);
        for (int run = 1; run <= std::max(1, options.Runs); ++run) {
            std::vector<int> pos = start;
            AnnealReplay(replay, pos, unsigned(run), options.Iterations / 4);
            const qint64 rc = replay.Cost(pos);
            if (rc < c) {
                c = rc;
                best = pos;
            }
        }
        result.Steps = c;
    }
    // Keys the text never needs go where they cost nothing, in the template's reading order,
    // so that they stay together as a person would look for them.
    {
        std::vector<int> idle, idleCells;
        for (int i = 0; i < cells; ++i) {
            bool used = uses[size_t(i)] > 0;
            for (int j = 0; j < cells && !used; ++j)
                used = p.W(i, j) || p.W(j, i);
            if (!used) {
                idle.push_back(i);
                idleCells.push_back(best[size_t(i)]);
            }
        }
        std::sort(idleCells.begin(), idleCells.end());
        // Empty cells are the items past the kept keys: they come last.
        std::stable_sort(idle.begin(), idle.end(), [&](int a, int b) {
            const auto order = [&](int i) {
                return i < kept.size() ? t.Keys[kept[i]].Col + t.Keys[kept[i]].Row * t.nCol
                                       : 1000000 + i;
            };
            return order(a) < order(b);
        });
        for (size_t i = 0; i < idle.size(); ++i)
            best[size_t(idle[i])] = idleCells[i];
    }

    // The template's keys in their new cells, in reading order, each keeping its record.
    QJsonObject json = DumpFile(templateBytes, false);
    const QJsonArray oldKeys = json.value(QStringLiteral("keys")).toArray();
    QList<QPair<int, QJsonObject>> placed;
    const QSize grid(650, 300);
    for (int i = 0; i < kept.size(); ++i) {
        const int k = kept[i];
        const int cell = best[size_t(i)];
        const int col = cell % options.Cols, row = cell / options.Cols;
        QJsonObject entry = oldKeys.at(k).toObject();
        entry.insert(QStringLiteral("col"), col);
        entry.insert(QStringLiteral("row"), row);
        const QRect r = TKeyAuthor::KeyRectInCell(grid, options.Cols, options.Rows, col, row);
        QJsonArray props = entry.value(QStringLiteral("properties")).toArray();
        bool selfLink = false;
        for (const QJsonValue &v : props) {
            const QJsonArray pair = v.toArray();
            if (pair.at(0).toString() == QLatin1String("KbdName") &&
                !options.OutputName.isEmpty() &&
                pair.at(1).toString().compare(options.OutputName, Qt::CaseInsensitive) == 0)
                selfLink = true;
        }
        for (qsizetype i = 0; i < props.size(); ++i) {
            QJsonArray pair = props[i].toArray();
            const QString name = pair.at(0).toString();
            if (name == QLatin1String("Left"))
                pair[1] = r.left();
            else if (name == QLatin1String("Top"))
                pair[1] = r.top();
            else if (name == QLatin1String("Width"))
                pair[1] = r.width();
            else if (name == QLatin1String("Height"))
                pair[1] = r.height();
            else if (name == QLatin1String("TabOrder"))
                pair[1] = cell;
            else if (selfLink && name == QLatin1String("KbdName"))
                pair[1] = options.TemplateName;
            else if (selfLink && name == QLatin1String("Text"))
                pair[1] = options.BackLabel;
            props[i] = pair;
        }
        entry.insert(QStringLiteral("properties"), props);
        placed.append({cell, entry});
        // The copies of this key, each in its own cell.
        for (int j = 0; j < copied.size(); ++j) {
            if (copied[j] != i)
                continue;
            const int copyCell = best[size_t(kept.size()) + size_t(j)];
            const int cc = copyCell % options.Cols, cr = copyCell / options.Cols;
            const QRect rc = TKeyAuthor::KeyRectInCell(grid, options.Cols, options.Rows, cc, cr);
            QJsonObject copy = entry;
            copy.insert(QStringLiteral("col"), cc);
            copy.insert(QStringLiteral("row"), cr);
            QJsonArray cp = copy.value(QStringLiteral("properties")).toArray();
            for (qsizetype q = 0; q < cp.size(); ++q) {
                QJsonArray pair = cp[q].toArray();
                if (pair.at(0).toString() == QLatin1String("Left"))
                    pair[1] = rc.left();
                else if (pair.at(0).toString() == QLatin1String("Top"))
                    pair[1] = rc.top();
                cp[q] = pair;
            }
            copy.insert(QStringLiteral("properties"), cp);
            placed.append({copyCell, copy});
        }
    }
    std::sort(placed.begin(), placed.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    QJsonArray newKeys;
    // Tab order counts the keys in file order.
    for (qsizetype i = 0; i < placed.size(); ++i) {
        QJsonObject entry = placed[i].second;
        QJsonArray props = entry.value(QStringLiteral("properties")).toArray();
        for (qsizetype j = 0; j < props.size(); ++j) {
            QJsonArray pair = props[j].toArray();
            if (pair.at(0).toString() == QLatin1String("TabOrder")) {
                pair[1] = int(i);
                props[j] = pair;
            }
        }
        entry.insert(QStringLiteral("properties"), props);
        newKeys.append(entry);
    }
    json.insert(QStringLiteral("nCol"), options.Cols);
    json.insert(QStringLiteral("nRow"), options.Rows);
    json.insert(QStringLiteral("keys"), newKeys);
    result.Table = BuildFile(json);
    return result;
}
