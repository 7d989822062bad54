#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// Zip packages (.obz) in memory, through libzip. The program reads and writes them through the
// zip module (ObfZipModule.cpp), loaded when the first package is opened or saved; the tools and
// tests link the same code in. Reading checks every entry's name and expanded
// size before anything is kept: a name that climbs out of the package, too many entries or more
// expanded bytes than the limits allow fail the whole package with TError, whatever the zip's own
// headers claim.
class TObfArchive {
public:
    // Reads every file of the zip. Throws TError with a message naming what is wrong.
    static TObfArchive Read(const QByteArray &zip);

    bool Contains(const QString &path) const { return FFiles.contains(path); }
    // The file at `path` (a cleaned path, see ObfNames::SafeArchivePath); empty when absent.
    QByteArray File(const QString &path) const { return FFiles.value(path); }
    QList<QString> Paths() const { return FFiles.keys(); }
    // The files themselves, path to bytes; an archive of these files, already checked.
    const QHash<QString, QByteArray> &Files() const { return FFiles; }
    static TObfArchive FromFiles(QHash<QString, QByteArray> files) {
        TObfArchive archive;
        archive.FFiles = std::move(files);
        return archive;
    }

private:
    QHash<QString, QByteArray> FFiles;
};

// Writes a zip of the files in the order given (deflated). Throws TError when libzip fails.
class TObfArchiveWriter {
public:
    void Add(const QString &path, const QByteArray &bytes);
    QByteArray Finish();
    const QList<std::pair<QString, QByteArray>> &Files() const { return FFiles; }

private:
    QList<std::pair<QString, QByteArray>> FFiles;
};
