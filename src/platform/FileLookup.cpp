#include "FileLookup.h"

#include <QDir>
#include <QFileInfo>

QString LocateFile(const QString &path) {
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QString clean = QDir::cleanPath(path);
    const bool absolute = clean.startsWith(QLatin1Char('/'));
    const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QStringLiteral(".");
    for (const QString &part : parts) {
        QDir dir(current);
        QString next = dir.filePath(part);
        if (!QFileInfo::exists(next)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot);
            bool found = false;
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    next = dir.filePath(entry);
                    found = true;
                    break;
                }
            }
            if (!found)
                return path;
        }
        current = next;
    }
    if (!absolute && current.startsWith(QLatin1String("./")))
        current = current.mid(2);
    return current;
}
