#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <utility>

// The zip module's entries (ObfZipModule.cpp): false with the reason in `error`.
extern "C" {
using TZipRead = bool (*)(const QByteArray *zip, QHash<QString, QByteArray> *files, QString *error);
using TZipWrite = bool (*)(const QList<std::pair<QString, QByteArray>> *files, QByteArray *zip,
                           QString *error);
}
inline constexpr char ZipReadSymbol[] = "orvanta_zip_read";
inline constexpr char ZipWriteSymbol[] = "orvanta_zip_write";
