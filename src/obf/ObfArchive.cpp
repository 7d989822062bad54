#include "ObfArchive.h"

#include "Error.h"
#include "ObfLimits.h"
#include "ObfNames.h"
#include "TText.h"

#include <memory>
#include <zip.h>

namespace {

[[noreturn]] void Fail(const QString &message) {
    throw TError(message);
}

struct TZipCloser {
    void operator()(zip_t *zip) const { zip_discard(zip); }
};
struct TFileCloser {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};
struct TSourceFree {
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};

QString ZipError(zip_error_t *error) {
    return QString::fromUtf8(zip_error_strerror(error));
}

} // namespace

TObfArchive TObfArchive::Read(const QByteArray &zip) {
    if (zip.size() > ObfLimits::MaxPackageBytes)
        Fail(
            TText("ObfArchive", "Balík je větší než %1 MB.").arg(ObfLimits::MaxPackageBytes >> 20));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(zip.constData(), zip_uint64_t(zip.size()), 0, &error);
    if (!source) {
        const QString message = ZipError(&error);
        zip_error_fini(&error);
        Fail(TText("ObfArchive", "Balík nelze číst: %1").arg(message));
    }
    std::unique_ptr<zip_t, TZipCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    if (!archive) {
        zip_source_free(source);
        const QString message = ZipError(&error);
        zip_error_fini(&error);
        Fail(TText("ObfArchive", "Soubor není balík ZIP: %1").arg(message));
    }
    zip_error_fini(&error);

    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0 || count > ObfLimits::MaxEntries)
        Fail(TText("ObfArchive", "Balík obsahuje příliš mnoho souborů (%1).").arg(count));
    TObfArchive result;
    qint64 expanded = 0;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *rawName = zip_get_name(archive.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!rawName)
            Fail(TText("ObfArchive", "Balík je poškozený."));
        const QString name = QString::fromUtf8(rawName);
        if (name.endsWith(QLatin1Char('/')))
            continue; // a folder
        const QString path = ObfNames::SafeArchivePath(name);
        if (path.isEmpty())
            Fail(TText("ObfArchive", "Balík obsahuje nebezpečné jméno souboru: %1").arg(name));
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &stat) != 0)
            Fail(TText("ObfArchive", "Balík je poškozený."));
        if ((stat.valid & ZIP_STAT_SIZE) &&
            (stat.size > zip_uint64_t(ObfLimits::MaxEntryBytes) ||
             expanded + qint64(stat.size) > ObfLimits::MaxExpandedBytes))
            Fail(TText("ObfArchive", "Balík se rozbalí do příliš velkých souborů (%1).").arg(name));
        std::unique_ptr<zip_file_t, TFileCloser> file(
            zip_fopen_index(archive.get(), zip_uint64_t(i), 0));
        if (!file)
            Fail(TText("ObfArchive", "Soubor %1 v balíku nelze číst: %2")
                     .arg(name, QString::fromUtf8(zip_strerror(archive.get()))));
        QByteArray bytes;
        for (;;) {
            const zip_int64_t n = zip_fread(file.get(), chunk.data(), zip_uint64_t(chunk.size()));
            if (n < 0)
                Fail(TText("ObfArchive", "Soubor %1 v balíku je poškozený: %2")
                         .arg(name, QString::fromUtf8(zip_file_strerror(file.get()))));
            if (n == 0)
                break;
            // Counted as it comes, whatever the headers said: a bomb stops here.
            expanded += n;
            if (bytes.size() + n > ObfLimits::MaxEntryBytes ||
                expanded > ObfLimits::MaxExpandedBytes)
                Fail(TText("ObfArchive", "Balík se rozbalí do příliš velkých souborů (%1).")
                         .arg(name));
            bytes.append(chunk.constData(), qsizetype(n));
        }
        if (result.FFiles.contains(path))
            Fail(TText("ObfArchive", "Balík obsahuje soubor %1 dvakrát.").arg(path));
        result.FFiles.insert(path, bytes);
    }
    return result;
}

void TObfArchiveWriter::Add(const QString &path, const QByteArray &bytes) {
    FFiles.append({path, bytes});
}

QByteArray TObfArchiveWriter::Finish() {
    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, TSourceFree> target(
        zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!target)
        Fail(TText("ObfArchive", "Balík nelze vytvořit: %1").arg(ZipError(&error)));
    zip_source_keep(target.get()); // zip_close must not free it: the bytes are read afterwards
    zip_t *archive = zip_open_from_source(target.get(), ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_source_free(target.get()); // undo the keep
        Fail(TText("ObfArchive", "Balík nelze vytvořit: %1").arg(ZipError(&error)));
    }
    zip_error_fini(&error);
    for (const auto &[path, bytes] : FFiles) {
        zip_source_t *data =
            zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!data || zip_file_add(archive, path.toUtf8().constData(), data,
                                  ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            if (data)
                zip_source_free(data);
            const QString message = QString::fromUtf8(zip_strerror(archive));
            zip_discard(archive);
            Fail(TText("ObfArchive", "Balík nelze vytvořit: %1").arg(message));
        }
    }
    if (zip_close(archive) != 0) {
        const QString message = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        Fail(TText("ObfArchive", "Balík nelze vytvořit: %1").arg(message));
    }
    QByteArray result;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(target.get(), &stat) != 0 || zip_source_open(target.get()) != 0)
        Fail(TText("ObfArchive", "Balík nelze vytvořit."));
    result.resize(qsizetype(stat.size));
    const zip_int64_t n = zip_source_read(target.get(), result.data(), stat.size);
    zip_source_close(target.get());
    if (n != zip_int64_t(stat.size))
        Fail(TText("ObfArchive", "Balík nelze vytvořit."));
    return result;
}
