#include "DirPlaces.h"

#include "DialogStrings.h"

#include <QDir>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>

namespace {

// Kernel and memory file systems hold nothing a user keeps tables, sounds or pictures in.
bool IsPseudo(const QString &fileSystem) {
    static const QStringList pseudo = {
        QStringLiteral("proc"),     QStringLiteral("sysfs"),      QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),   QStringLiteral("tmpfs"),      QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),  QStringLiteral("securityfs"), QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),  QStringLiteral("pstore"),     QStringLiteral("bpf"),
        QStringLiteral("mqueue"),   QStringLiteral("hugetlbfs"),  QStringLiteral("configfs"),
        QStringLiteral("fusectl"),  QStringLiteral("autofs"),     QStringLiteral("binfmt_misc"),
        QStringLiteral("squashfs"), QStringLiteral("overlay"),    QStringLiteral("nsfs"),
        QStringLiteral("efivarfs"), QStringLiteral("ramfs"),      QStringLiteral("rpc_pipefs"),
    };
    return pseudo.contains(fileSystem);
}

QString Clean(const QString &path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(path);
}

} // namespace

QList<TDirPlace> MergePlaces(const QString &home, const QString &documents,
                             const QList<TVolume> &volumes) {
    QList<TDirPlace> places;
    const auto add = [&places](const QString &name, const QString &path) {
        const QString clean = Clean(path);
        if (clean.isEmpty())
            return;
        for (const TDirPlace &p : std::as_const(places)) {
            if (p.Path == clean)
                return;
        }
        places.append(TDirPlace{name, clean});
    };
    add(DialogStrings::PlaceHome, home);
    add(DialogStrings::PlaceDocuments, documents);
    add(DialogStrings::PlaceRoot, QDir::rootPath());
    QList<TVolume> sorted = volumes;
    std::sort(sorted.begin(), sorted.end(),
              [](const TVolume &a, const TVolume &b) { return a.RootPath < b.RootPath; });
    for (const TVolume &v : std::as_const(sorted)) {
        if (IsPseudo(v.FileSystem))
            continue;
        const QString path = Clean(v.RootPath);
        const QString name =
            v.Name.isEmpty() || v.Name == path ? path : QStringLiteral("%1 (%2)").arg(v.Name, path);
        add(name, path);
    }
    return places;
}

QList<TDirPlace> StandardPlaces() {
    QList<TVolume> volumes;
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        if (s.isValid() && s.isReady())
            volumes.append(
                TVolume{s.rootPath(), s.displayName(), QString::fromUtf8(s.fileSystemType())});
    }
    return MergePlaces(QDir::homePath(),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                       volumes);
}

int PlaceFor(const QList<TDirPlace> &places, const QString &directory) {
    const QString dir = Clean(QDir::fromNativeSeparators(directory));
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < places.size(); ++i) {
        const QString &path = places[i].Path;
        const bool inside =
            dir == path || (dir.startsWith(path) && (path.endsWith(QLatin1Char('/')) ||
                                                     dir.at(path.size()) == QLatin1Char('/')));
        if (inside && path.size() > bestLength) {
            best = i;
            bestLength = path.size();
        }
    }
    return best;
}
