#pragma once

#include <QByteArray>

class QIODevice;

// Reads `device` to its end, but never more than `limit` + 1 bytes, so that the caller can tell
// a file too large for it. The buffer grows with what is read: reading `limit` bytes at once
// would first allocate them all, however small the file.
QByteArray ReadAtMost(QIODevice &device, qint64 limit);
