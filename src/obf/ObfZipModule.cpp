// The zip module: libzip, with the crypto library it brings, loaded by the program only when a
// package is opened or saved. It is linked with its own symbols bound inside it, so the calls
// below reach this copy of the archive code, not the program's stand-in.
#include "Error.h"
#include "ObfArchive.h"
#include "ObfZip.h"

extern "C" Q_DECL_EXPORT bool orvanta_zip_read(const QByteArray *zip,
                                               QHash<QString, QByteArray> *files, QString *error) {
    try {
        *files = TObfArchive::Read(*zip).Files();
        return true;
    } catch (const TError &e) {
        *error = e.Message();
    } catch (const std::exception &) {
        *error = QStringLiteral("out of memory");
    }
    return false;
}

extern "C" Q_DECL_EXPORT bool orvanta_zip_write(const QList<std::pair<QString, QByteArray>> *files,
                                                QByteArray *zip, QString *error) {
    try {
        TObfArchiveWriter writer;
        for (const auto &[path, bytes] : *files)
            writer.Add(path, bytes);
        *zip = writer.Finish();
        return true;
    } catch (const TError &e) {
        *error = e.Message();
    } catch (const std::exception &) {
        *error = QStringLiteral("out of memory");
    }
    return false;
}
