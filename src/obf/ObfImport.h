#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Boards of other AAC programs as our tables. A board (.obf) becomes one table; a package (.obz)
// becomes one table per board, linked by keys of kind Other, all in one folder. Nothing is
// written until the whole import has been made in memory, and then only inside that folder of
// the tables and the sounds directory.
struct TObfImportFile {
    QString FileName; // a safe name inside the folder
    QByteArray Bytes;
};

struct TObfImportResult {
    QString Folder;               // the folder inside the tables and sounds directories
    QList<TObfImportFile> Tables; // the root board's table first
    QList<TObfImportFile> Sounds;
    QStringList Notes; // what was guessed or left out, one line each

    // The root table as a table name: relative to the tables directory.
    QString RootTable() const;
};

// Imports `bytes` (a board, or a package when it is a zip) into tables whose links and sounds
// name `folder`. Throws TError with a message when nothing can be imported.
TObfImportResult ImportBoards(const QByteArray &bytes, const QString &folder);

// A folder name for importing `fileName`, free in both directories.
QString ImportFolderName(const QString &fileName, const QString &tablesDir,
                         const QString &soundsDir);

// Writes the tables into tablesDir/Folder and the sounds into soundsDir/Folder (each file
// replaced only when complete). Throws TError when a file cannot be written.
void WriteImport(const TObfImportResult &result, const QString &tablesDir,
                 const QString &soundsDir);

// The whole import of a file: read (within the size limits), import into a new folder named
// after the file, write. Throws TError with a message when nothing can be imported.
TObfImportResult ImportBoardFile(const QString &path, const QString &tablesDir,
                                 const QString &soundsDir);
