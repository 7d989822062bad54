#pragma once

#include <QString>
#include <functional>

// The rules of the three directory commands, apart from the chooser window.

// Where the chooser starts: the stored directory while it exists, else the current directory.
QString DirectoryToShow(const QString &stored, const QString &currentDir,
                        const std::function<bool(const QString &)> &dirExists);

// The outcome of a confirmed choice: the directory with its trailing separator, and whether it
// exists (only then does it replace the stored one).
struct TDirectoryChoice {
    QString Directory;
    bool Exists = false;
};
TDirectoryChoice AcceptDirectory(const QString &chosen,
                                 const std::function<bool(const QString &)> &dirExists);
