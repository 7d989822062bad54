#include "DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

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

std::optional<QString> TDesktopShell::OpenCommand(const QString &suffix) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("a.") + suffix,
                                                           QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
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
        for (const QString &app : DefaultApplications(text, type.name())) {
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
