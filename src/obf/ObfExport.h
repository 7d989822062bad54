#pragma once

#include "TableFormat.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Our tables as boards: one table as a board (.obf, pictures and sounds inside it as data URIs),
// or a table with every table its keys link to as a package (.obz) with a manifest, PNG or JPEG
// pictures and the sounds. What a board has no attribute for is kept in "ext_orvanta_"
// attributes, so that importing the export gives the same tables.
struct TObfExportSource {
    // The bytes of the table a key links to (its KbdName), or nothing when there is none.
    std::function<std::optional<QByteArray>(const QString &kbdName)> Table;
    // The bytes of a key's sound file (its WavName), or nothing when there is none.
    std::function<std::optional<QByteArray>(const QString &wavName)> Sound;
};

struct TObfExportResult {
    QByteArray Bytes;
    QStringList Notes; // what could not be exported, one line each
};

// `tableName` is the table's file name (its base name names the board). Throws TError when a key
// record is damaged.
TObfExportResult ExportBoard(const TTableFile &table, const QString &tableName,
                             const TObfExportSource &source);
TObfExportResult ExportPackage(const TTableFile &table, const QString &tableName,
                               const TObfExportSource &source);

// Linked tables and sounds looked up by name in folders, in order (names relative to a folder,
// letter case forgiven as when the program loads them).
TObfExportSource FolderSource(const QStringList &tableDirs, const QStringList &soundDirs);
