#include "DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

#include <fnmatch.h>

namespace {

// The launch results the callers know: above 32 is success.
constexpr std::int32_t kLaunched = 33;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kNoAssociation = 31;

// Desktop files and lists are small; a larger one is not read.
constexpr qint64 kMaxListBytes = 1024 * 1024;

QByteArray ReadSmallFile(const QString &path) {
    QFile file(path);
    if (file.size() > kMaxListBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Whether a pattern ending in `last` can match a name whose last byte is `exact`, or `folded` in
// the name in lower case (where patterns are compared in lower case).
bool EndsAlike(char last, char exact, char folded) {
    if (last == '*' || last == '?' || last == ']')
        return true;
    const char lower = last >= 'A' && last <= 'Z' ? char(last - 'A' + 'a') : last;
    return last == exact || lower == folded;
}

bool HasWildcard(QByteArrayView pattern) {
    return pattern.contains('*') || pattern.contains('?') || pattern.contains('[');
}

// The values of `key` in group `group` of a desktop-style key file, in file order.
QStringList GroupValues(const QByteArray &text, QLatin1String group, const QString &key) {
    QStringList values;
    bool inGroup = false;
    for (const QByteArray &raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
            continue;
        }
        if (!inGroup || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == key)
            values.append(line.mid(eq + 1).trimmed());
    }
    return values;
}

} // namespace

QStringList TDesktopShell::DefaultApplications(const QByteArray &mimeAppsList,
                                               const QString &mimeType) {
    QStringList apps;
    for (const QString &value :
         GroupValues(mimeAppsList, QLatin1String("Default Applications"), mimeType))
        apps += value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return apps;
}

std::optional<QString> TDesktopShell::ExecLine(const QByteArray &desktopEntry) {
    const QStringList values =
        GroupValues(desktopEntry, QLatin1String("Desktop Entry"), QStringLiteral("Exec"));
    if (values.isEmpty())
        return std::nullopt;
    return values.constFirst();
}

QString TDesktopShell::TypeOfFileName(const QList<QByteArray> &globLists, const QString &fileName) {
    struct TBest {
        int Weight = -1;
        qsizetype Length = 0;
        QByteArrayView Type;
    } best;
    const QByteArray exact = fileName.toUtf8();
    const QByteArray folded = fileName.toLower().toUtf8();
    const char exactLast = exact.isEmpty() ? '\0' : exact.back();
    const char foldedLast = folded.isEmpty() ? '\0' : folded.back();
    // A list may drop what the lists after it say of a type.
    QSet<QByteArray> dropped;
    for (const QByteArray &list : globLists) {
        QSet<QByteArray> dropsHere;
        for (qsizetype at = 0; at < list.size();) {
            qsizetype end = list.indexOf('\n', at);
            if (end < 0)
                end = list.size();
            const QByteArrayView line = QByteArrayView(list).sliced(at, end - at).trimmed();
            at = end + 1;
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            // weight:type:pattern[:flags]
            const qsizetype typeAt = line.indexOf(':') + 1;
            const qsizetype patternAt = typeAt > 0 ? line.indexOf(':', typeAt) + 1 : 0;
            if (patternAt <= typeAt + 1)
                continue;
            const qsizetype flagsAt = line.indexOf(':', patternAt) + 1;
            const QByteArrayView type = line.sliced(typeAt, patternAt - 1 - typeAt);
            const QByteArrayView pattern = flagsAt > 0
                                               ? line.sliced(patternAt, flagsAt - 1 - patternAt)
                                               : line.sliced(patternAt);
            // A pattern ending in a plain character matches only a name that ends in it, in
            // one case or the other: nearly every line is passed over here.
            if (!pattern.isEmpty() && pattern != "__NOGLOBS__" &&
                !EndsAlike(pattern.back(), exactLast, foldedLast))
                continue;
            bool isNumber = false;
            const int weight = line.first(typeAt - 1).toInt(&isNumber);
            if (!isNumber || pattern.isEmpty() ||
                (!dropped.isEmpty() && dropped.contains(type.toByteArray())))
                continue;
            if (pattern == "__NOGLOBS__") {
                dropsHere.insert(type.toByteArray());
                continue;
            }
            const bool caseSensitive =
                flagsAt > 0 && line.sliced(flagsAt).toByteArray().split(',').contains("cs");
            const QByteArray &name = caseSensitive ? exact : folded;
            const QByteArrayView tail = pattern.sliced(1);
            if (pattern.startsWith('*') && !HasWildcard(tail)) {
                // Most patterns are "*.suffix".
                if (name.size() < tail.size())
                    continue;
                const char *end = name.constData() + name.size() - tail.size();
                if (caseSensitive ? !name.endsWith(tail)
                                  : qstrnicmp(end, tail.data(), size_t(tail.size())) != 0)
                    continue;
            } else {
                const QByteArray glob =
                    caseSensitive ? pattern.toByteArray() : pattern.toByteArray().toLower();
                if (fnmatch(glob.constData(), name.constData(), FNM_NOESCAPE) != 0)
                    continue;
            }
            // The heavier pattern wins, then the longer one, then the one read first.
            if (weight > best.Weight || (weight == best.Weight && pattern.size() > best.Length))
                best = {weight, pattern.size(), type};
        }
        dropped.unite(dropsHere);
    }
    return QString::fromUtf8(best.Type);
}

std::optional<QString> TDesktopShell::OpenCommand(const QString &suffix) {
    // The shared MIME database's glob lists, the user's first, as the desktop reads them.
    QList<QByteArray> globLists;
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        globLists.append(ReadSmallFile(dir + QStringLiteral("/mime/globs2")));
    const QString type = TypeOfFileName(globLists, QStringLiteral("a.") + suffix);
    if (type.isEmpty())
        return std::nullopt;
    // The user's lists come before the system's, as the desktop reads them.
    QStringList lists;
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        lists.append(dir + QStringLiteral("/mimeapps.list"));
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        lists.append(dir + QStringLiteral("/mimeapps.list"));
    for (const QString &list : std::as_const(lists)) {
        const QByteArray text = ReadSmallFile(list);
        if (text.isEmpty())
            continue;
        for (const QString &app : DefaultApplications(text, type)) {
            const QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, app);
            if (entry.isEmpty())
                continue;
            if (auto exec = ExecLine(ReadSmallFile(entry)))
                return exec;
        }
    }
    return std::nullopt;
}

std::int32_t TDesktopShell::ExecuteFile(const QString &file, const QString &parameters, int show,
                                        const QString &directory) {
    // Programs start as the desktop places them; there is no minimized start to ask for.
    Q_UNUSED(show);
    if (file.trimmed().isEmpty())
        return kFileNotFound;
    const QUrl url(file);
    if (url.isValid() && url.scheme().size() > 1 && !QFileInfo::exists(file))
        return QDesktopServices::openUrl(url) ? kLaunched : kNoAssociation;
    const QString base = directory.isEmpty() ? QDir::currentPath() : directory;
    const QFileInfo info(QDir(base), file);
    if (info.exists() && (info.isDir() || !info.isExecutable()))
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))
                   ? kLaunched
                   : kNoAssociation;
    // A program: the file may carry arguments of its own, as an association's command does.
    QStringList arguments =
        info.exists() ? QStringList{info.absoluteFilePath()} : QProcess::splitCommand(file);
    if (arguments.isEmpty())
        return kFileNotFound;
    arguments += QProcess::splitCommand(parameters);
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments, directory) ? kLaunched : kFileNotFound;
}
