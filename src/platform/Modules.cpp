#include "Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QString ModuleFile(const QString &name) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(name);
    if (QFileInfo(beside).isFile())
        return beside;
    return QDir::cleanPath(programDir.filePath(QStringLiteral(ORVANTA_MODULE_DIR "/") + name));
}

TModuleEntries LoadModule(const QString &name, std::initializer_list<const char *> symbols) {
    TModuleEntries module;
    QLibrary library(ModuleFile(name));
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    for (const char *symbol : symbols) {
        const QFunctionPointer entry = library.resolve(symbol);
        if (!entry) {
            module.Entries.clear();
            module.Error = library.errorString();
            break;
        }
        module.Entries.append(entry);
    }
    return module;
}
