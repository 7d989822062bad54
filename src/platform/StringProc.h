#pragma once

#include <QChar>
#include <QString>

// Small path and text routines shared by the program. Stored names may use '\' or '/';
// directory strings end with a separator. None of them fails or keeps state.

// The three dead accents of the keyboards: caron, ring (shown as a degree sign) and acute.
inline constexpr QChar kAccentCaron = QChar(0x02C7);
inline constexpr QChar kAccentRing = QChar(0x00B0);
inline constexpr QChar kAccentAcute = QChar(0x00B4);

// True when `name` already names a place of its own: a drive ("C:"), a network share ("\\\\"),
// or an absolute path of this system.
bool IsAbsoluteName(const QString &name);

// `directory` followed by `name`, unless `name` is absolute; '\' in a relative name becomes '/'.
QString ResolvePath(const QString &name, const QString &directory);

// `name` relative to `directory` when it lies inside it (compared without regard to letter case
// and separator kind); otherwise `name` unchanged.
QString StripDirPrefix(const QString &name, const QString &directory);

// The directory part of `path` with one trailing separator; empty when there is none.
QString ExtractDir(const QString &path);

// The part after the last separator; the whole path when it has none.
QString ExtractName(const QString &path);

// The accented letter for `character` under a dead `accent`, or `character` unchanged.
QChar ComposeAccent(QChar character, QChar accent);

// True for the three dead accents.
bool IsDeadAccent(QChar c);

// `directory` with exactly one separator at its end, unless its only separator already is the
// last character (a root such as "/" or "C:\\").
QString WithTrailingSeparator(const QString &directory);
