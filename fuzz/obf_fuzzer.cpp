// Feeds arbitrary bytes to the board import, as a board (.obf) and, when they start like a zip,
// as a package (.obz). A TError is the expected answer to damaged input; every table that an
// import makes must read back as a table of valid key records. A crash, a sanitizer report or
// any other exception is a finding.
#include "Error.h"
#include "KeyDescription.h"
#include "ObfImport.h"
#include "TableFormat.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // Pictures (SVG among them) are read through the image plugins of a GUI application.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "obf_fuzzer";
    static char *argv[] = {name, nullptr};
    // Kept for the whole run: see picture_fuzzer.
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TObfImportResult result;
    try {
        result = ImportBoards(bytes, QStringLiteral("f"));
    } catch (const TError &) {
        return 0;
    }
    for (const TObfImportFile &table : result.Tables) {
        QBuffer buffer;
        buffer.setData(table.Bytes);
        buffer.open(QIODevice::ReadOnly);
        const TTableReadResult read = ReadTableFile(&buffer);
        if (!read.Ok())
            std::abort();
        for (const TTableKey &key : read.Table.Keys) {
            try {
                (void)TKeyDescription::FromRecord(key.Record);
            } catch (const TError &) {
                std::abort();
            }
        }
    }
    return 0;
}
