#pragma once

#include <QString>

// The voice of the desktop's speech service the user chose, in an INI file of our own beside the
// configuration (whose voice record only knows the embedded voices): [Service] Voice=spd:...
namespace ServiceVoiceFile {

// The stored voice id; empty when there is none, or the file is missing, too large or not a file.
QString Read(const QString &path);
// Stores `voiceId`, or removes the file when it is empty; false when it could not be written.
bool Write(const QString &path, const QString &voiceId);

} // namespace ServiceVoiceFile
