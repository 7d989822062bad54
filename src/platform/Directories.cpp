#include "Directories.h"

#include "StringProc.h"
#include "Version.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

unsigned char AutoReadMode = 0;

namespace {

const QString &TablesSub() {
    static const QString tables = QStringLiteral("Tables") + QDir::separator();
    return tables;
}

TDirectories WithDataDir(const QString &programDir, const QString &dataDir) {
    TDirectories d;
    d.ProgramDir = programDir;
    d.DataDir = dataDir;
    d.TablesDir = d.DataDir + TablesSub();
    d.SoundsDir = d.DataDir + QStringLiteral("Sounds") + QDir::separator();
    d.PicturesDir = d.DataDir + QStringLiteral("Images") + QDir::separator();
    return d;
}

} // namespace

TDirectories DeriveDirectories(const QString &currentDir, const QString &programFile,
                               const std::function<bool(const QString &)> &dirExists) {
    const QString current = WithTrailingSeparator(QDir::toNativeSeparators(currentDir));
    const QString program = ExtractDir(QDir::toNativeSeparators(programFile));
    return WithDataDir(program, dirExists(current + TablesSub()) ? current : program);
}

TDirectories DeriveDirectories(const QString &currentDir, const QString &programFile,
                               const QString &userDataDir,
                               const std::function<bool(const QString &)> &dirExists,
                               const std::function<bool(const QString &)> &dirWritable) {
    const QString current = WithTrailingSeparator(QDir::toNativeSeparators(currentDir));
    const QString executableDir = ExtractDir(QDir::toNativeSeparators(programFile));
    const QString program =
        ShippedDataDir(executableDir, QStringLiteral(ORVANTA_DATA_FROM_BIN), dirExists);
    if (dirExists(current + TablesSub()))
        return WithDataDir(program, current);
    // Root may write into an installation; it still must not.
    const bool installed = program != executableDir;
    const QString programTables = program + TablesSub();
    if (userDataDir.isEmpty() ||
        (!installed && dirExists(programTables) && dirWritable(programTables)))
        return WithDataDir(program, program);
    return WithDataDir(program, WithTrailingSeparator(QDir::toNativeSeparators(userDataDir)));
}

QString ShippedDataDir(const QString &programDir, const QString &fromBin,
                       const std::function<bool(const QString &)> &dirExists) {
    if (programDir.isEmpty() || dirExists(programDir + TablesSub()) || fromBin.isEmpty())
        return programDir;
    const QString installed = WithTrailingSeparator(
        QDir::toNativeSeparators(QDir::cleanPath(WithTrailingSeparator(programDir) + fromBin)));
    return dirExists(installed + TablesSub()) ? installed : programDir;
}

bool FillDataFolder(const QString &programDir, const QString &dataDir) {
    if (QFileInfo(dataDir + TablesSub()).isDir())
        return true;
    bool ok = true;
    for (const char *sub : {"Sounds", "Images", "Tables"}) {
        // Tables last: its presence marks a folder that was filled completely.
        const QDir from(programDir + QLatin1String(sub));
        if (!from.exists())
            continue;
        QDirIterator it(from.path(), QDir::Files | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target =
                dataDir + QLatin1String(sub) + QLatin1Char('/') + from.relativeFilePath(source);
            if (QFileInfo::exists(target))
                continue;
            ok = QDir().mkpath(QFileInfo(target).path()) && QFile::copy(source, target) && ok;
        }
    }
    return ok;
}

TDirectories &Dirs() {
    static TDirectories dirs;
    return dirs;
}
