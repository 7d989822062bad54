#pragma once

#include <QList>
#include <QString>
#include <initializer_list>

// The file of the program's module `name` ("orvanta-zip.so", ...): the one beside the program
// in a build folder, else the one in the installed module folder.
QString ModuleFile(const QString &name);

// The entries of a module, in the order asked for; all null when the module or one of them is
// missing, and then `Error` says why.
struct TModuleEntries {
    QList<QFunctionPointer> Entries;
    QString Error;

    bool Loaded() const { return Error.isEmpty(); }
    template <typename T>
    T At(qsizetype i) const {
        return reinterpret_cast<T>(Entries.value(i));
    }
};

// Loads the program's module `name` (it stays loaded to the end of the program) and resolves
// `symbols` in it.
TModuleEntries LoadModule(const QString &name, std::initializer_list<const char *> symbols);
