#pragma once

#include <QString>

// Tables made on Windows name their files in any letter case. When `path` does not exist as
// written, each missing part of it is looked up case-insensitively in its folder; returns the
// path that exists, or `path` unchanged when there is no match.
QString LocateFile(const QString &path);
