#pragma once

#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

// A file of the program's data folder for the command-line tools: beside the program in a build,
// under share/orvanta in an installation.
inline QString ShippedFile(const QString &name) {
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString &dir :
         {QStringLiteral("."), QStringLiteral(".."), QString::fromUtf8(ORVANTA_DATA_FROM_BIN)}) {
        const QString path = QDir::cleanPath(bin.filePath(dir + QLatin1Char('/') + name));
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir::cleanPath(bin.filePath(name));
}
