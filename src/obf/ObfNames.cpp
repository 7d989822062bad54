#include "ObfNames.h"

#include <QStringList>

namespace ObfNames {

QString SafeFileName(const QString &name, const QString &fallback) {
    QString safe;
    for (const QChar c : name) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            safe.append(c);
        else if (!safe.isEmpty() && !safe.endsWith(QLatin1Char('_')))
            safe.append(QLatin1Char('_'));
        if (safe.size() >= 60)
            break;
    }
    while (safe.endsWith(QLatin1Char('_')))
        safe.chop(1);
    if (safe.isEmpty())
        return fallback.isEmpty() ? QStringLiteral("tabulka") : SafeFileName(fallback, QString());
    return safe;
}

QString Unique(const QString &base, const QString &suffix, QSet<QString> &taken) {
    QString candidate = base + suffix;
    for (int n = 2; taken.contains(candidate.toLower()); ++n)
        candidate = base + QLatin1Char('_') + QString::number(n) + suffix;
    taken.insert(candidate.toLower());
    return candidate;
}

QString SafeArchivePath(const QString &path) {
    if (path.isEmpty())
        return QString();
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.startsWith(QLatin1Char('/')) || (p.size() >= 2 && p[1] == QLatin1Char(':')))
        return QString();
    QStringList parts;
    for (const QString &part : p.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String(".."))
            return QString();
        for (const QChar c : part) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return QString();
        }
        parts.append(part);
    }
    return parts.join(QLatin1Char('/'));
}

} // namespace ObfNames
