#pragma once

#include <QStringList>

// The table tool's commands about what a keyboard costs a switch user. Each takes the words
// after the command name and returns the exit status: 0 done, 1 failure, 2 wrong command line.

// scan-cost TABLE --text FILE [--mode MODE] [--switches 1|2] [--predict SLOTS] [--step MS]
//           [--lang cs|en] [--lexicon FILE] [--json] [--heatmap OUT.png]
int ScanCostCommand(const QStringList &words);

// layout --lang cs|en --text FILE --rows R --cols C -o TABLE [--from TABLE]
int LayoutCommand(const QStringList &words);
