#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

// Keyboard tables (*.kbt) and key files (*.kyf) as JSON and back. Every stored value keeps its
// exact form: a value the program's own writer would produce is shown plainly (numbers, text,
// true/false, pictures as base64 with their kind); any other form names its type, so a dump
// rebuilt gives the same bytes.
//
// {
//   "file": "table" | "keys",
//   "layout": 1, "nCol": 10, "nRow": 6,            (tables; nCol/nRow only when scanning)
//   "keys": [ { "col": 0, "row": 0,                (scanning tables only)
//               "class": "TVxKey", "name": "",
//               "properties": [ ["Left", 5], ["Text", "a"], ["Status", {"set": [...]}], ... ]
//             } ]
// }
// Wide strings (read-only in the program, found in old files) are shown as {"wstring": "text"};
// one holding a lone surrogate as {"wstring-escaped": "..."} with "\uD800" for the surrogate and
// "\\" for a backslash, so nothing is lost.
// A key may instead be written by hand in the authoring form (see KbtAuthoring.h).

// Throws TError with a message when the file is damaged.
QJsonObject DumpFile(const QByteArray &bytes, bool keyFile);

struct TBuildOptions {
    // Folders in which the picture files of keys in the authoring form are looked up, in order.
    QStringList SearchDirs;
};

// Throws TError with a message when the JSON does not describe a file.
QByteArray BuildFile(const QJsonObject &json, const TBuildOptions &options = {});

// Whether the bytes look like a key file rather than a table (by the file name's suffix).
bool IsKeyFileName(const QString &fileName);
