// The program's archive code: the zip module's, loaded on the first package opened or saved.
#include "Error.h"
#include "Modules.h"
#include "ObfArchive.h"
#include "ObfLimits.h"
#include "ObfZip.h"
#include "TText.h"

namespace {

struct TZipModule {
    TZipRead Read = nullptr;
    TZipWrite Write = nullptr;
    QString Error;
};

// Loaded once, on the user-interface thread, and kept to the end of the program.
const TZipModule &Module() {
    static const TZipModule module = [] {
        const TModuleEntries m =
            LoadModule(QStringLiteral("orvanta-zip.so"), {ZipReadSymbol, ZipWriteSymbol});
        return TZipModule{m.At<TZipRead>(0), m.At<TZipWrite>(1), m.Error};
    }();
    return module;
}

[[noreturn]] void Unavailable() {
    throw TError(TText("ObfArchive", "Balíky ZIP nelze číst ani psát: %1").arg(Module().Error));
}

} // namespace

TObfArchive TObfArchive::Read(const QByteArray &zip) {
    // Refused before the module is even loaded.
    if (zip.size() > ObfLimits::MaxPackageBytes)
        throw TError(
            TText("ObfArchive", "Balík je větší než %1 MB.").arg(ObfLimits::MaxPackageBytes >> 20));
    if (!Module().Read)
        Unavailable();
    QHash<QString, QByteArray> files;
    QString error;
    if (!Module().Read(&zip, &files, &error))
        throw TError(error);
    return FromFiles(std::move(files));
}

void TObfArchiveWriter::Add(const QString &path, const QByteArray &bytes) {
    FFiles.append({path, bytes});
}

QByteArray TObfArchiveWriter::Finish() {
    if (!Module().Write)
        Unavailable();
    QByteArray zip;
    QString error;
    if (!Module().Write(&FFiles, &zip, &error))
        throw TError(error);
    return zip;
}
