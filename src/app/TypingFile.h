#pragma once

#include <QString>

// Whether the keys type into other applications, in a file of its own (INI) beside the
// configuration file, which knows nothing of it and so stays as it was.
namespace TypingFile {

// Off for a missing or unreadable file, one that is no regular file or is larger than 4 KB.
bool Read(const QString &fileName);
// Writes the setting (replacing the file only once written); false when it could not.
bool Write(const QString &fileName, bool typesOutside);

} // namespace TypingFile
