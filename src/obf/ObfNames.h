#pragma once

#include <QSet>
#include <QString>

// File names made from board, picture and sound names of other programs.
namespace ObfNames {

// `name` as one safe file name part: letters (any script), digits, '-' and '_' kept, anything
// else (separators, dots, spaces, control characters) becomes '_'; at most 60 characters; never
// empty, never "." or "..". `fallback` is used when nothing is left.
QString SafeFileName(const QString &name, const QString &fallback);

// `base` + `suffix`, or base_2 + suffix, base_3 + suffix, ... so that it differs (ignoring letter
// case) from every name in `taken`; the result is added to `taken`.
QString Unique(const QString &base, const QString &suffix, QSet<QString> &taken);

// A path inside a package, cleaned: '/'-separated, no leading "./". Empty when the path is
// absolute, names a drive, climbs out of the package ("..") or holds a control character.
QString SafeArchivePath(const QString &path);

} // namespace ObfNames
