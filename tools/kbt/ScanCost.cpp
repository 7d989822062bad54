#include "ScanCost.h"

#include "Error.h"
#include "KbtJson.h"
#include "PredictText.h"
#include "Predictor.h"
#include "ScanActions.h"
#include "ScanMachine.h"
#include "StringProc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <queue>

namespace {

constexpr quint16 Switch1 = 32;
constexpr quint16 Switch2 = 13;
// A search that has to look at more states than this is refused rather than left to eat the
// machine: far more than any table a person scans (a 100 x 100 grid has 80,000).
constexpr qsizetype MaxSearchStates = 2'000'000;
const QChar SlotMark = QChar(1);

QString PropertyText(const QJsonValue &value) {
    if (value.isString())
        return value.toString();
    if (value.isObject()) {
        const QJsonObject o = value.toObject();
        if (o.size() == 1)
            return o.begin()->toVariant().toString();
    }
    return {};
}

// The grid the machine drives: only where the cursor is and which cell was clicked.
class TSimGrid : public TScanActions {
public:
    int Col = 0, Row = 0, ColCount = 1, RowCount = 1;
    bool Clicked = false;
    TScanCursor ScanCursor() const override { return {Col, Row, ColCount, RowCount}; }
    void MoveCursor(int col, int row) override {
        if (col < ColCount && row < RowCount) {
            Col = col;
            Row = row;
        }
    }
    void ClickCell() override { Clicked = true; }
    void PointToCell() override {}
    void ShowCellFrame() override {}
    void SwitchReleased(quint16, qint32) override {}
};

// State: table (12 bits), column and row (10 each), phase, saved phase (2 each), skip (1).
quint64 Pack(int table, int col, int row, quint8 phase, quint8 saved, bool skip) {
    return quint64(table) << 27 | quint64(col) << 17 | quint64(row) << 7 | quint64(phase) << 3 |
           quint64(saved) << 1 | quint64(skip);
}
int StateTable(quint64 s) {
    return int(s >> 27);
}
int StateCol(quint64 s) {
    return int(s >> 17 & 1023);
}
int StateRow(quint64 s) {
    return int(s >> 7 & 1023);
}

enum TPress : int { prWait, prShort, prSwitch2, prLong };

} // namespace

TCostTable ReadCostTable(const QByteArray &bytes, const QString &name) {
    const QJsonObject json = DumpFile(bytes, false);
    TCostTable t;
    t.Name = name;
    if (json.value(QStringLiteral("layout")).toInt() == 0)
        throw TError(QStringLiteral("the table is in the free layout; only a scanning table "
                                    "has a scan cost"));
    t.nCol = json.value(QStringLiteral("nCol")).toInt();
    t.nRow = json.value(QStringLiteral("nRow")).toInt();
    if (t.nCol < 1 || t.nRow < 1 || t.nCol > 1000 || t.nRow > 1000)
        throw TError(
            QStringLiteral("the grid of %1 x %2 cells cannot be scanned").arg(t.nCol).arg(t.nRow));
    if (t.nCol == 1 && t.nRow == 1)
        throw TError(QStringLiteral("a grid of one cell has nothing to scan: every press "
                                    "selects its key"));
    const QJsonArray keys = json.value(QStringLiteral("keys")).toArray();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QJsonObject k = keys[i].toObject();
        TCostKey key;
        key.Col = k.value(QStringLiteral("col")).toInt();
        key.Row = k.value(QStringLiteral("row")).toInt();
        key.Index = int(i);
        QString special;
        for (const QJsonValue &p : k.value(QStringLiteral("properties")).toArray()) {
            const QJsonArray pair = p.toArray();
            const QString prop = pair.at(0).toString();
            if (prop == QLatin1String("Text"))
                key.Label = PropertyText(pair.at(1));
            else if (prop == QLatin1String("SpecialKey"))
                special = PropertyText(pair.at(1));
            else if (prop == QLatin1String("KbdName"))
                key.Link = PropertyText(pair.at(1));
        }
        if (special.isEmpty() || special == QLatin1String("None") ||
            special == QLatin1String("Sound")) {
            key.Output = key.Label.toLower();
            key.Kind = key.Output.isEmpty() ? TCostKeyKind::Other
                       : key.Output.size() == 1 && IsDeadAccent(key.Output.at(0))
                           ? TCostKeyKind::Accent
                           : TCostKeyKind::Text;
        } else if (special == QLatin1String("Space")) {
            key.Kind = TCostKeyKind::Text;
            key.Output = QStringLiteral(" ");
        } else if (special == QLatin1String("Enter") || special == QLatin1String("Talk")) {
            key.Kind = TCostKeyKind::LineEnd;
            key.Output = QStringLiteral("\n");
        } else if (special == QLatin1String("Other") && !key.Link.isEmpty()) {
            key.Kind = TCostKeyKind::Link;
        }
        key.Special = special;
        if (key.Label.isEmpty())
            key.Label = special;
        t.Keys.append(key);
    }
    if (t.Keys.isEmpty())
        throw TError(QStringLiteral("the table has no keys"));
    return t;
}

TScanCost::TScanCost(QList<TCostTable> tables, TCostOptions options)
    : FTables(std::move(tables))
    , FOptions(options) {
    if (FTables.size() > 4000)
        throw TError(QStringLiteral("too many linked tables"));
    FOptions.Slots = std::max(0, FOptions.Slots);
    FOptions.StepMs = std::max(1, FOptions.StepMs);
    const int shift = FOptions.Slots > 0 ? 1 : 0;
    for (int t = 0; t < FTables.size(); ++t) {
        TCostTable &table = FTables[t];
        if (FOptions.Slots > table.nCol)
            throw TError(QStringLiteral("%1 prediction slots do not fit in a row of %2 cells")
                             .arg(FOptions.Slots)
                             .arg(table.nCol));
        if (table.nRow + shift > 1000)
            throw TError(QStringLiteral("the grid has too many rows"));
        FTableByName.insert(table.Name.toLower(), t);
        QHash<int, int> cells;
        for (int k = 0; k < table.Keys.size(); ++k) {
            TCostKey &key = table.Keys[k];
            if (key.Col < 0 || key.Row < 0 || key.Col >= table.nCol || key.Row >= table.nRow)
                throw TError(QStringLiteral("key %1 lies outside the grid").arg(key.Index + 1));
            key.Row += shift;
            cells.insert(key.Col + key.Row * table.nCol, k);
        }
        for (int j = 0; j < FOptions.Slots; ++j) {
            TCostKey slot;
            slot.Col = j;
            slot.Index = -1 - j;
            slot.Kind = TCostKeyKind::Slot;
            slot.Output = SlotMark + QString::number(j);
            slot.Label = QStringLiteral("slot %1").arg(j + 1);
            cells.insert(j, int(table.Keys.size()));
            table.Keys.append(slot);
        }
        table.nRow += shift;
        FCells.append(cells);
        for (int k = 0; k < table.Keys.size(); ++k) {
            const TCostKey &key = table.Keys[k];
            if (key.Kind != TCostKeyKind::Other && key.Kind != TCostKeyKind::Link)
                FGoalKeys[key.Output].append({t, k});
            if (key.Kind == TCostKeyKind::Text && key.Output.size() > 1 &&
                !FMultiOutputs.contains(key.Output))
                FMultiOutputs.append(key.Output);
        }
    }
    // A table that links to itself or to a table not given is a key the text never needs.
    for (TCostTable &table : FTables)
        for (TCostKey &key : table.Keys)
            if (key.Kind == TCostKeyKind::Link &&
                !FTableByName.contains(key.Link.section(QLatin1Char('/'), -1).toLower()))
                key.Kind = TCostKeyKind::Other;
}

quint64 TScanCost::StartState() const {
    // The scan starts in the cell sweep of the first row, unless there is one column.
    const TCostTable &t = FTables.first();
    const quint8 phase = t.nCol == 1 ? TScanMachine::psRowSweep : TScanMachine::psCellSweep;
    return Pack(0, 0, 0, phase, phase, false);
}

TScanCost::TPath TScanCost::CachedSearch(quint64 from, const QString &goal) {
    const auto key = qMakePair(from, goal);
    const auto it = FCache.constFind(key);
    if (it != FCache.cend())
        return *it;
    TPath path = Search(from, goal);
    FCache.insert(key, path);
    return path;
}

TScanCost::TPath TScanCost::Search(quint64 from, const QString &goal) {
    // The user writes on the first table whenever it has the key, else on the table in front
    // of them, and goes elsewhere only for what neither has: a greedy user would otherwise
    // stray for a comma and pay for the way back later, or never come back.
    QList<QPair<int, int>> targets;
    const QList<QPair<int, int>> all = FGoalKeys.value(goal);
    for (const int table : {0, StateTable(from)}) {
        for (const auto &target : all)
            if (target.first == table)
                targets.append(target);
        if (!targets.isEmpty())
            break;
    }
    if (targets.isEmpty())
        targets = all;
    struct TNode {
        qint64 Dist = 0;
        qint64 Presses = 0;
        quint64 Prev = 0;
        int LinkTable = -1; // the link key selected on the way into this state
        int LinkKey = -1;
    };
    QHash<quint64, TNode> nodes;
    using TEntry = std::pair<qint64, quint64>;
    std::priority_queue<TEntry, std::vector<TEntry>, std::greater<>> queue;
    nodes.insert(from, TNode{});
    queue.push({0, from});
    QSet<quint64> done;
    const int hold = std::max(1, (FOptions.SwTime + FOptions.StepMs - 1) / FOptions.StepMs);
    TSimGrid grid;
    TScanMachine machine(&grid);
    machine.SetScanModes(FOptions.Modes);
    machine.SetSwCode1(Switch1);
    machine.SetSwCode2(Switch2);
    machine.SetSwTime(FOptions.SwTime);

    TPath best;
    qint64 bestCost = -1;
    quint64 bestPrev = 0;
    QPair<int, int> bestKey;
    qint64 bestPresses = 0;
    quint64 bestEnd = 0;

    while (!queue.empty()) {
        const auto [dist, state] = queue.top();
        queue.pop();
        if (bestCost >= 0 && dist >= bestCost)
            break;
        if (done.contains(state))
            continue;
        done.insert(state);
        if (done.size() > MaxSearchStates)
            throw TError(QStringLiteral("the table is too large to simulate"));
        const TNode node = nodes.value(state);
        for (int press = prWait; press <= prLong; ++press) {
            if (press == prSwitch2 && FOptions.Switches < 2)
                continue;
            int table = StateTable(state);
            const TCostTable *t = &FTables[table];
            grid.Col = StateCol(state);
            grid.Row = StateRow(state);
            grid.ColCount = t->nCol;
            grid.RowCount = t->nRow;
            grid.Clicked = false;
            machine.SetScanPhase(quint8(state >> 3 & 3));
            machine.SetSavedPhase(quint8(state >> 1 & 3));
            machine.SetSkipTick(state & 1);
            qint64 cost = 1;
            if (press == prShort || press == prSwitch2) {
                const quint16 code = press == prShort ? Switch1 : Switch2;
                machine.SwitchDown(code, 0);
                machine.SwitchUp(code, 0);
            } else if (press == prLong) {
                cost = hold;
                machine.SwitchDown(Switch1, 0);
                for (int k = 1; k < hold; ++k)
                    machine.ScanTick();
                machine.SwitchUp(Switch1, FOptions.SwTime);
            }
            int linkKey = -1;
            if (grid.Clicked) {
                const auto cell = FCells[table].constFind(grid.Col + grid.Row * t->nCol);
                if (cell != FCells[table].cend()) {
                    const TCostKey &key = t->Keys[*cell];
                    if (targets.contains(qMakePair(table, *cell))) {
                        machine.ScanTick();
                        const qint64 total = dist + cost;
                        if (bestCost < 0 || total < bestCost) {
                            bestCost = total;
                            bestPrev = state;
                            bestKey = {table, *cell};
                            bestPresses = node.Presses + (press != prWait);
                            bestEnd = Pack(table, grid.Col, grid.Row, machine.ScanPhase(),
                                           machine.SavedPhase(), machine.SkipTick());
                        }
                        continue;
                    }
                    if (key.Kind != TCostKeyKind::Link)
                        continue; // the expert never selects a key that writes the wrong thing
                    linkKey = *cell;
                    // The linked table replaces this one at once, its cursor at the start.
                    const int next =
                        FTableByName.value(key.Link.section(QLatin1Char('/'), -1).toLower());
                    table = next;
                    t = &FTables[table];
                    grid.Col = 0;
                    grid.Row = 0;
                    grid.ColCount = t->nCol;
                    grid.RowCount = t->nRow;
                }
            }
            machine.ScanTick();
            const quint64 next = Pack(table, grid.Col, grid.Row, machine.ScanPhase(),
                                      machine.SavedPhase(), machine.SkipTick());
            const qint64 nd = dist + cost;
            auto it = nodes.find(next);
            if (it == nodes.end() || nd < it->Dist) {
                TNode n;
                n.Dist = nd;
                n.Presses = node.Presses + (press != prWait);
                n.Prev = state;
                if (linkKey >= 0) {
                    n.LinkTable = StateTable(state);
                    n.LinkKey = linkKey;
                }
                nodes.insert(next, n);
                queue.push({nd, next});
            }
        }
    }
    if (bestCost < 0)
        return best;
    best.Steps = bestCost;
    best.Presses = bestPresses;
    best.End = bestEnd;
    best.Keys.append(bestKey);
    // Links followed on the way, nearest first, then reversed.
    for (quint64 s = bestPrev; s != from;) {
        const TNode &n = nodes[s];
        if (n.LinkKey >= 0)
            best.Keys.prepend({n.LinkTable, n.LinkKey});
        s = n.Prev;
    }
    return best;
}

QList<QStringList> TScanCost::Ways(const QString &folded, qsizetype i) const {
    QList<QStringList> ways;
    const QString c(folded.at(i));
    if (FGoalKeys.contains(c))
        ways.append({c});
    // A letter without a key of its own: its accent, then the base letter.
    for (QChar accent : {kAccentCaron, kAccentAcute, kAccentRing}) {
        if (!FGoalKeys.contains(QString(accent)))
            continue;
        for (auto it = FGoalKeys.cbegin(); it != FGoalKeys.cend(); ++it) {
            if (it.key().size() == 1 && it.key() != c &&
                ComposeAccent(it.key().at(0), accent) == c.at(0))
                ways.append({QString(accent), it.key()});
        }
    }
    for (const QString &out : FMultiOutputs)
        if (QStringView(folded).mid(i).startsWith(out))
            ways.append({out});
    return ways;
}

static qsizetype WayLength(const QStringList &way) {
    return way.size() == 2 && way.first().size() == 1 && IsDeadAccent(way.first().at(0))
               ? 1
               : way.last().size();
}

qint64 TScanCost::TypedCost(quint64 from, const QString &folded, qsizetype begin, qsizetype end) {
    qint64 steps = 0;
    quint64 state = from;
    for (qsizetype i = begin; i < end;) {
        qint64 bestSteps = -1;
        quint64 bestEnd = state;
        qsizetype bestLen = 1;
        for (const QStringList &way : Ways(folded, i)) {
            qint64 s = 0;
            quint64 at = state;
            bool ok = true;
            for (const QString &goal : way) {
                const TPath p = CachedSearch(at, goal);
                if (p.Keys.isEmpty()) {
                    ok = false;
                    break;
                }
                s += p.Steps;
                at = p.End;
            }
            const qsizetype len = WayLength(way);
            if (ok && (bestSteps < 0 || s * bestLen < bestSteps * len)) {
                bestSteps = s;
                bestEnd = at;
                bestLen = len;
            }
        }
        if (bestSteps < 0)
            return -1;
        steps += bestSteps;
        state = bestEnd;
        i += bestLen;
    }
    return steps;
}

void TScanCost::Take(const TPath &path, TCostReport *report) {
    // The steps up to each link go to the link key, the rest to the target.
    qint64 left = path.Steps;
    qint64 pressesLeft = path.Presses;
    for (qsizetype k = 0; k < path.Keys.size(); ++k) {
        const auto [t, key] = path.Keys[k];
        for (TKeyUse &use : report->Keys) {
            if (use.Table != t || use.Key != key)
                continue;
            ++use.Uses;
            // Links share the path evenly with the key at its end: what a link costs depends
            // on the way into it, which the search does not split.
            const qint64 share = k + 1 == path.Keys.size() ? left : path.Steps / path.Keys.size();
            const qint64 pshare =
                k + 1 == path.Keys.size() ? pressesLeft : path.Presses / path.Keys.size();
            use.Steps += share;
            use.Presses += pshare;
            left -= share;
            pressesLeft -= pshare;
            break;
        }
        const TCostKey &ck = FTables[t].Keys[key];
        if (ck.Kind == TCostKeyKind::Link) {
            const QString line =
                QStringLiteral("%1: %2 -> %3").arg(FTables[t].Name, ck.Label, ck.Link);
            if (!report->LinksFollowed.contains(line))
                report->LinksFollowed.append(line);
        }
    }
    report->Steps += path.Steps;
    report->Presses += path.Presses;
    FState = path.End;
}

TCostReport TScanCost::Run(const QString &input) {
    QString text = input;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    // Speech does not hear capitals: the expert writes the text in lower case.
    const QString folded = text.toLower();

    QMap<QChar, int> missing;
    for (qsizetype i = 0; i < folded.size(); ++i)
        if (Ways(folded, i).isEmpty())
            ++missing[folded.at(i)];
    if (!missing.isEmpty()) {
        QStringList names;
        for (auto it = missing.cbegin(); it != missing.cend(); ++it) {
            const QString shown = it.key() == QLatin1Char('\n')
                                      ? QStringLiteral("line break")
                                      : QStringLiteral("\"%1\"").arg(it.key());
            names.append(QStringLiteral("%1 (U+%2, %3 times)")
                             .arg(shown)
                             .arg(it.key().unicode(), 4, 16, QLatin1Char('0'))
                             .arg(it.value()));
        }
        throw TError(QStringLiteral("the text cannot be composed: no key writes %1")
                         .arg(names.join(QLatin1String(", "))));
    }

    TCostReport report;
    report.StepMs = FOptions.StepMs;
    report.Chars = folded.size();
    for (int t = 0; t < FTables.size(); ++t)
        for (int k = 0; k < FTables[t].Keys.size(); ++k)
            report.Keys.append(TKeyUse{t, k, 0, 0, 0});
    FState = StartState();
    TPredictor *predictor = FOptions.Slots > 0 ? FOptions.Predictor : nullptr;

    for (qsizetype i = 0; i < folded.size();) {
        if (predictor) {
            const QString before = text.left(i);
            predictor->Observe(before);
            if (PredictText::IsWordChar(text, i)) {
                const qsizetype start = PredictText::WordStart(before);
                qsizetype end = i;
                while (end < text.size() && PredictText::IsWordChar(text, end))
                    ++end;
                const QString word = folded.mid(start, end - start);
                const QStringList shown = predictor->Candidates(
                    before, PredictText::AtSentenceStart(before, start), FOptions.Slots);
                qsizetype slot = -1;
                for (qsizetype j = 0; j < shown.size() && j < FOptions.Slots; ++j)
                    if (shown[j].toLower() == word)
                        slot = j;
                if (slot >= 0) {
                    const TPath p = CachedSearch(FState, SlotMark + QString::number(slot));
                    // The choice writes the space after the word too.
                    const qsizetype typedEnd =
                        end < folded.size() && folded.at(end) == QLatin1Char(' ') ? end + 1 : end;
                    const qint64 typed = TypedCost(FState, folded, i, typedEnd);
                    if (!p.Keys.isEmpty() && (typed < 0 || p.Steps <= typed)) {
                        Take(p, &report);
                        i = typedEnd;
                        continue;
                    }
                }
            }
        }
        QStringList bestWay;
        qint64 bestSteps = -1;
        qsizetype bestLen = 1;
        QList<TPath> bestPaths;
        for (const QStringList &way : Ways(folded, i)) {
            QList<TPath> paths;
            qint64 s = 0;
            quint64 at = FState;
            for (const QString &goal : way) {
                const TPath p = CachedSearch(at, goal);
                if (p.Keys.isEmpty()) {
                    paths.clear();
                    break;
                }
                paths.append(p);
                s += p.Steps;
                at = p.End;
            }
            const qsizetype len = WayLength(way);
            if (!paths.isEmpty() && (bestSteps < 0 || s * bestLen < bestSteps * len)) {
                bestSteps = s;
                bestPaths = paths;
                bestLen = len;
            }
        }
        if (bestSteps < 0) {
            const QChar c = folded.at(i);
            throw TError(QStringLiteral("the text cannot be composed: no key that writes %1 can "
                                        "be reached from where the scan stands")
                             .arg(c == QLatin1Char('\n') ? QStringLiteral("a line break")
                                                         : QStringLiteral("\"%1\"").arg(c)));
        }
        for (const TPath &p : bestPaths)
            Take(p, &report);
        i += bestLen;
    }
    return report;
}

namespace {

QString KeyName(const TCostKey &key) {
    if (key.Kind == TCostKeyKind::Text && key.Output == QLatin1String(" "))
        return key.Label.isEmpty() ? QStringLiteral("Space") : key.Label;
    return key.Label;
}

QString ModeSuffix(const TCostKey &key) {
    if (key.Kind == TCostKeyKind::Slot)
        return {};
    return QStringLiteral(" (column %1, row %2)").arg(key.Col + 1).arg(key.Row + 1);
}

} // namespace

QByteArray CostReportJson(const TCostReport &report, const QList<TCostTable> &tables) {
    QJsonObject o;
    o.insert(QStringLiteral("chars"), report.Chars);
    o.insert(QStringLiteral("steps"), report.Steps);
    o.insert(QStringLiteral("presses"), report.Presses);
    o.insert(QStringLiteral("steps_per_char"), report.StepsPerChar());
    o.insert(QStringLiteral("presses_per_char"), report.PressesPerChar());
    o.insert(QStringLiteral("seconds_per_char"), report.SecondsPerChar());
    o.insert(QStringLiteral("step_ms"), report.StepMs);
    QJsonArray keys;
    for (const TKeyUse &use : report.Keys) {
        if (use.Table != 0 && use.Uses == 0)
            continue;
        const TCostKey &key = tables[use.Table].Keys[use.Key];
        QJsonObject k;
        k.insert(QStringLiteral("table"), tables[use.Table].Name);
        k.insert(QStringLiteral("index"), key.Index);
        k.insert(QStringLiteral("text"), KeyName(key));
        if (key.Kind == TCostKeyKind::Slot)
            k.insert(QStringLiteral("slot"), -key.Index);
        else {
            k.insert(QStringLiteral("col"), key.Col);
            k.insert(QStringLiteral("row"), key.Row);
        }
        k.insert(QStringLiteral("uses"), use.Uses);
        k.insert(QStringLiteral("steps"), use.Steps);
        k.insert(QStringLiteral("presses"), use.Presses);
        keys.append(k);
    }
    o.insert(QStringLiteral("keys"), keys);
    o.insert(QStringLiteral("links"), QJsonArray::fromStringList(report.LinksFollowed));
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

QString CostReportText(const TCostReport &report, const QList<TCostTable> &tables) {
    QString out;
    out += QStringLiteral("%1 characters: %2 scan steps, %3 switch presses\n")
               .arg(report.Chars)
               .arg(report.Steps)
               .arg(report.Presses);
    out += QStringLiteral("per character: %1 steps, %2 presses, %3 s at a step of %4 ms\n")
               .arg(report.StepsPerChar(), 0, 'f', 2)
               .arg(report.PressesPerChar(), 0, 'f', 2)
               .arg(report.SecondsPerChar(), 0, 'f', 2)
               .arg(report.StepMs);
    if (!report.LinksFollowed.isEmpty())
        out += QStringLiteral("links followed: %1\n")
                   .arg(report.LinksFollowed.join(QLatin1String("; ")));
    QList<TKeyUse> used;
    for (const TKeyUse &use : report.Keys)
        if (use.Uses > 0)
            used.append(use);
    std::stable_sort(used.begin(), used.end(),
                     [](const TKeyUse &a, const TKeyUse &b) { return a.Steps > b.Steps; });
    out += QStringLiteral("keys by cost:\n");
    for (const TKeyUse &use : used) {
        const TCostKey &key = tables[use.Table].Keys[use.Key];
        out += QStringLiteral("  %1%2%3: %4 uses, %5 steps (%6 %)\n")
                   .arg(use.Table ? tables[use.Table].Name + QStringLiteral(": ") : QString(),
                        KeyName(key), ModeSuffix(key))
                   .arg(use.Uses)
                   .arg(use.Steps)
                   .arg(report.Steps ? 100.0 * double(use.Steps) / double(report.Steps) : 0.0, 0,
                        'f', 1);
    }
    return out;
}

bool ParseScanModes(const QString &text, TScanModes *modes) {
    bool number = false;
    const int bits = text.toInt(&number);
    if (number) {
        if (bits < 0 || bits > 15)
            return false;
        *modes = TScanModes::fromInt(bits);
        return true;
    }
    TScanModes m;
    for (const QString &part : text.toLower().split(QRegularExpression(QStringLiteral("[+,]")))) {
        if (part == QLatin1String("default") || part == QLatin1String("none"))
            continue;
        if (part == QLatin1String("showx"))
            m |= smShowX;
        else if (part == QLatin1String("stop"))
            m |= smStop;
        else if (part == QLatin1String("stayonrow"))
            m |= smStayOnRow;
        else if (part == QLatin1String("stayoncol"))
            m |= smStayOnCol;
        else
            return false;
    }
    *modes = m;
    return true;
}
