#pragma once

#include <QString>
#include <QStringList>

// Boards of other AAC programs for the table tool. Each returns the exit status and prints what
// could not be converted to stderr.

// Imports a board or package into the data folder `dataDir`: the tables go to
// dataDir/Tables/<name>/, the sounds to dataDir/Sounds/<name>/. Prints the root table's path.
int ImportBoardsCommand(const QString &input, const QString &dataDir);

// Exports a table (.obf) or a table with every table it links to (.obz, by the suffix of
// `output`). Linked tables are looked up in `tableDirs`, sounds in `soundDirs`.
int ExportBoardsCommand(const QString &input, const QString &output, const QStringList &tableDirs,
                        const QStringList &soundDirs);
