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
    // The user's configuration folder, where the configuration is written. Empty when this run
    // keeps no configuration at all (tests, benchmarks).
    QString ConfigDir;
    // The user's data folder, where the words the user wrote are learned. Empty when this run
    // learns nothing that outlives it.
    QString UserDataDir;
};

// Works out the directories: the data directory is the current directory when it has a "Tables"
// folder, the program's own directory otherwise.
TDirectories DeriveDirectories(const QString &currentDir, const QString &programFile,
                               const std::function<bool(const QString &)> &dirExists);

// The same for an installed program, which must not write into a system folder: when the
// current directory has no "Tables" folder and the program directory has none that can be
// written, the user's data folder `userDataDir` is the data directory. The program directory is
// the folder of the shipped data (see ShippedDataDir); an installation's is never written, not
// even by a user who could.
TDirectories DeriveDirectories(const QString &currentDir, const QString &programFile,
                               const QString &userDataDir,
                               const std::function<bool(const QString &)> &dirExists,
                               const std::function<bool(const QString &)> &dirWritable);

// The folder of the shipped data (Tables, Sounds, Help, Orvanta.cfg) of the program in
// `programDir`: that folder itself when it has a "Tables" folder (a build folder, a program
// folder of its own), else `fromBin` relative to it when that has one (an installation, with
// the executable in PREFIX/bin and the data in PREFIX/share/orvanta), else `programDir`.
QString ShippedDataDir(const QString &programDir, const QString &fromBin,
                       const std::function<bool(const QString &)> &dirExists);

// Copies the shipped data folders (Tables, Sounds, Images) of `programDir` into `dataDir` when
// `dataDir` has no "Tables" folder yet; files already there are kept. False when something
// could not be copied.
bool FillDataFolder(const QString &programDir, const QString &dataDir);

// The directories of this run, set once at start and changed by the configuration and the
// directory menu.
TDirectories &Dirs();

// Automatic reading mode: 0 No, 1 All, 2 Sentences, 3 Rows.
extern unsigned char AutoReadMode;
