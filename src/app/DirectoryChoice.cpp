#include "DirectoryChoice.h"

#include "StringProc.h"

#include <QDir>

QString DirectoryToShow(const QString &stored, const QString &currentDir,
                        const std::function<bool(const QString &)> &dirExists) {
    if (!stored.isEmpty() && dirExists(stored))
        return stored;
    return currentDir;
}

TDirectoryChoice AcceptDirectory(const QString &chosen,
                                 const std::function<bool(const QString &)> &dirExists) {
    TDirectoryChoice choice;
    // An empty answer would otherwise become "/" and name the root.
    if (chosen.isEmpty())
        return choice;
    choice.Directory = WithTrailingSeparator(QDir::toNativeSeparators(chosen));
    choice.Exists = dirExists(choice.Directory);
    return choice;
}
