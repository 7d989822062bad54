#pragma once

#include <QString>
#include <functional>

// The program-wide directories. Each ends with a separator.
struct TDirectories {
    QString ProgramDir;
    QString DataDir;
    QString TablesDir;
    QString SoundsDir;
    QString PicturesDir;
};

// Works out the directories: the data directory is the current directory when it has a "Tables"
// folder, the program's own directory otherwise.
TDirectories DeriveDirectories(const QString &currentDir, const QString &programFile,
                               const std::function<bool(const QString &)> &dirExists);

// The directories of this run, set once at start and changed by the configuration and the
// directory menu.
TDirectories &Dirs();

// Automatic reading mode: 0 No, 1 All, 2 Sentences, 3 Rows.
extern unsigned char AutoReadMode;
