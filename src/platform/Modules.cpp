#include "Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ModuleFile(const QString &name) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(name);
    if (QFileInfo(beside).isFile())
        return beside;
    return QDir::cleanPath(programDir.filePath(QStringLiteral(ORVANTA_MODULE_DIR "/") + name));
}
