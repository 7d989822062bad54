#pragma once

#include <QString>
#include <functional>

// Opens a document with the desktop's default program for it (a help page in the browser);
// false when no program could be started for it.
bool OpenDocument(const QString &path);

// Replaces how documents are opened (tests record the paths); an empty function restores the
// desktop. Returns the previous one.
using TOpenDocument = std::function<bool(const QString &path)>;
TOpenDocument SetOpenDocument(TOpenDocument open);
