#include "Directories.h"

#include "StringProc.h"

#include <QDir>

unsigned char AutoReadMode = 0;

TDirectories DeriveDirectories(const QString &currentDir, const QString &programFile,
                               const std::function<bool(const QString &)> &dirExists) {
    TDirectories d;
    const QString current = WithTrailingSeparator(QDir::toNativeSeparators(currentDir));
    d.ProgramDir = ExtractDir(QDir::toNativeSeparators(programFile));
    const QString tables = QStringLiteral("Tables") + QDir::separator();
    d.DataDir = dirExists(current + tables) ? current : d.ProgramDir;
    d.TablesDir = d.DataDir + tables;
    d.SoundsDir = d.DataDir + QStringLiteral("Sounds") + QDir::separator();
    d.PicturesDir = d.DataDir + QStringLiteral("Images") + QDir::separator();
    return d;
}

TDirectories &Dirs() {
    static TDirectories dirs;
    return dirs;
}
