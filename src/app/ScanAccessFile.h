#pragma once

#include "ScanAccess.h"

#include <QString>

// The switch access settings in a file of their own (INI), beside the configuration file, which
// knows nothing of them and so stays as it was.
namespace ScanAccessFile {

// The settings the file holds, within their ranges; the defaults for what it lacks and for a
// missing or unreadable file, one that is no regular file, and one larger than 64 KB.
TScanAccess Read(const QString &fileName);
// Writes `access` whole (replacing the file only once written), never reading what the file held
// before; false when it could not. A missing file is not created for the defaults, which need no
// file.
bool Write(const QString &fileName, const TScanAccess &access);

} // namespace ScanAccessFile
