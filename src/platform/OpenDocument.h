#pragma once

#include <QString>
#include <functional>

// Opens a document with the desktop's default program for it (a help page in the browser).
// A missing file or a failure of the desktop is not reported: the caller has nothing to add.
void OpenDocument(const QString &path);

// Replaces how documents are opened (tests record the paths); an empty function restores the
// desktop. Returns the previous one.
using TOpenDocument = std::function<void(const QString &path)>;
TOpenDocument SetOpenDocument(TOpenDocument open);
