#pragma once

#include <QString>

// The file of the program's module `name` ("orvanta-zip.so", ...): the one beside the program
// in a build folder, else the one in the installed module folder.
QString ModuleFile(const QString &name);
