#pragma once

#include "ScanCost.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Lays out a scanning keyboard for a text: the keys of a template table (its looks and kinds
// kept) placed in an R x C grid so that composing the text costs as few scan steps as a good
// search finds, in the default scan mode with one switch.
//
// There, after a key in (c0, r0) is selected the row sweep goes on from r0 and the cell sweep
// from c0, so selecting the next key in (c, r) costs 2 + (r - r0) mod R + (c - c0) mod C steps:
// the cost of a text is a sum over the pairs of keys selected one after the other. The search
// places the keys greedily, most used first, each where it adds least; then simulated annealing
// over swaps of two cells (fixed seeds, several runs, the best kept); then swaps of two cells
// while any helps, so the result is a local optimum. A bound no layout can beat: every pair of
// different keys costs at least 3 steps, the same key twice 2.
struct TLayoutResult {
    QByteArray Table;         // the table file
    qint64 Steps = 0;         // the model's steps for the text
    qint64 TemplateSteps = 0; // the template's own layout (in its own grid) by the same model
    qint64 LowerBound = 0;
    qint64 Selections = 0; // keys selected for the text
};

struct TLayoutOptions {
    int Rows = 6;
    int Cols = 10;
    int Runs = 4;               // annealing runs, seeds 1..Runs
    qint64 Iterations = 400000; // per run
    // Cells left over may hold second copies of this many of the most selected keys.
    int Copies = 0;
    // The name of the table written: a link key of the template that opens it is turned into a
    // link back to the template (labelled BackLabel).
    QString OutputName;
    QString TemplateName;
    QString BackLabel = QStringLiteral("abc");
};

// Throws TError when the text needs characters no key of the template writes, or the grid has
// fewer cells than the template has keys.
TLayoutResult LayOutKeys(const QByteArray &templateBytes, const QString &text,
                         const TLayoutOptions &options);
