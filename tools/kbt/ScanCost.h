#pragma once

#include "ScanModes.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TPredictor;

// What a switch user pays for a text on a keyboard: the scan steps (timer periods), the switch
// presses and the time, found by driving the real scan machine with the presses of an expert
// who never errs and always takes the cheapest way to the next key. Pure logic, no widgets.

// What a key does for the simulation.
enum class TCostKeyKind : quint8 {
    Text,    // writes Output
    Accent,  // a dead accent (Output holds it) for the next letter
    LineEnd, // Enter or Talk: ends a line of the text (an utterance)
    Link,    // opens the table named by Link
    Slot,    // a prediction slot (Output holds its number)
    Other,   // anything the text never needs (Shift, Backspace, arrows, ...)
};

struct TCostKey {
    int Col = 0;
    int Row = 0;
    int Index = 0; // the key's place in its table file (slots: -1 - slot number)
    TCostKeyKind Kind = TCostKeyKind::Other;
    QString Output;  // lower case
    QString Label;   // what the key shows, for reports
    QString Link;    // the table a link key opens, as the key names it
    QString Special; // the special key kind as records name it ("Space", "Talk", ...)
};

struct TCostTable {
    QString Name; // file name, as link keys name it
    int nCol = 0;
    int nRow = 0;
    QList<TCostKey> Keys;
};

// A scanning table's keys as the simulation sees them. Throws TError for a damaged table, a
// table in the free layout, one without keys or a grid of one cell (nothing to scan).
TCostTable ReadCostTable(const QByteArray &bytes, const QString &name);

struct TCostOptions {
    TScanModes Modes;
    int Switches = 1;                // 1 or 2
    int Slots = 0;                   // prediction slots in a row above the keys (0: none)
    int StepMs = 1000;               // the scan step, for times
    int SwTime = 500;                // the long press, ms
    TPredictor *Predictor = nullptr; // needed when Slots > 0
};

struct TKeyUse {
    int Table = 0;
    int Key = 0; // index into the table's Keys
    qint64 Uses = 0;
    qint64 Steps = 0;
    qint64 Presses = 0;
};

struct TCostReport {
    qint64 Chars = 0;
    qint64 Steps = 0;
    qint64 Presses = 0;
    int StepMs = 1000;
    QList<TKeyUse> Keys;       // every key of every table, used or not
    QStringList LinksFollowed; // "table: key -> target"
    double StepsPerChar() const { return Chars ? double(Steps) / double(Chars) : 0; }
    double PressesPerChar() const { return Chars ? double(Presses) / double(Chars) : 0; }
    double SecondsPerChar() const { return StepsPerChar() * StepMs / 1000.0; }
};

// The simulation over a set of tables; the first is where the user starts, the others are
// reached through link keys that name them.
class TScanCost {
public:
    TScanCost(QList<TCostTable> tables, TCostOptions options);

    // Throws TError naming every character of `text` no key of the tables can write.
    TCostReport Run(const QString &text);

    const QList<TCostTable> &Tables() const { return FTables; }

    // The cheapest selection of a key writing `goal` from the packed state `from`: the end
    // state, steps, presses and the keys selected on the way (links followed, the target
    // last). No keys when none can be reached.
    struct TPath {
        qint64 Steps = 0;
        qint64 Presses = 0;
        quint64 End = 0;
        QList<QPair<int, int>> Keys;
    };

private:
    TPath Search(quint64 from, const QString &goal);
    TPath CachedSearch(quint64 from, const QString &goal);
    // The goals writing text[i...] the cheapest way (one key, or an accent and a letter),
    // with how many characters they write.
    QList<QStringList> Ways(const QString &folded, qsizetype i) const;
    void Take(const TPath &path, TCostReport *report);
    quint64 StartState() const;
    qint64 TypedCost(quint64 from, const QString &folded, qsizetype begin, qsizetype end);

    QList<TCostTable> FTables;
    TCostOptions FOptions;
    // Per table: the cell (col + row * nCol of the scanned grid) -> key index.
    QList<QHash<int, int>> FCells;
    QHash<QString, int> FTableByName;
    QHash<QString, QList<QPair<int, int>>> FGoalKeys; // output -> keys writing it
    QHash<QPair<quint64, QString>, TPath> FCache;
    QList<QString> FMultiOutputs; // outputs longer than one character
    quint64 FState = 0;
};

// The scan-cost report as one JSON object (chars, steps, presses, the per-character figures,
// keys with index, text, uses and steps; links followed).
QByteArray CostReportJson(const TCostReport &report, const QList<TCostTable> &tables);
// The report for people to read.
QString CostReportText(const TCostReport &report, const QList<TCostTable> &tables);

// "default", or showx, stop, stayonrow, stayoncol joined with '+' or ','; or the bits as a
// number 0..15. False for anything else.
bool ParseScanModes(const QString &text, TScanModes *modes);
