#pragma once

#include <QString>

#include <functional>

class QSettings;

// The program's own small INI files beside the configuration (switch access, prediction, the
// speech service's voice, typing into other applications): read only when they can be ours,
// replaced only whole.
namespace IniFile {

// Whether `path` is worth reading: a regular file (a pipe in its place would block the start
// forever) of at most `maxBytes` (QSettings keeps every key, so a bloated file costs memory).
bool Readable(const QString &path, qint64 maxBytes);

// Writes the values `fill` sets into a fresh file and puts it in place whole. The old file is
// never parsed, so a damaged or bloated one is neither carried over nor makes the write fail,
// and a failed write leaves it as it was. The folder is made when there is none yet (the
// configuration folder appears only when the settings are first saved). False when it could
// not be written.
bool Write(const QString &path, const std::function<void(QSettings &)> &fill);

} // namespace IniFile
