#pragma once

#include <QList>
#include <QString>

// One entry of the directory chooser's place list: the home folder, the documents folder, the
// root and each mounted volume. It stands where a list of drive letters would.
struct TDirPlace {
    QString Name; // as the list shows it
    QString Path; // its top directory, without a trailing separator except for the root
};

// The places of this computer, in the order the chooser lists them; no two share a path.
QList<TDirPlace> StandardPlaces();

// Merges the well-known folders and the mounted volumes into the chooser's list: home,
// documents, the root, then the volumes sorted by path. Pseudo file systems, duplicates and
// empty paths are left out.
struct TVolume {
    QString RootPath;
    QString Name;
    QString FileSystem;
};
QList<TDirPlace> MergePlaces(const QString &home, const QString &documents,
                             const QList<TVolume> &volumes);

// The index of the place holding `directory`: the one with the longest path that is `directory`
// itself or one of its parents; -1 when none does.
int PlaceFor(const QList<TDirPlace> &places, const QString &directory);
