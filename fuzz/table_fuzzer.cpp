// Feeds arbitrary bytes to the table and key file readers and turns every key record they accept
// into a real key, which is then painted. A TError is the expected answer to damaged input; a
// crash, a sanitizer report or any other exception is a finding.
#include "ComponentReader.h"
#include "Error.h"
#include "TableFormat.h"
#include "VxKey.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Each key the reader accepts is created as the program creates it, then painted.
void MakeKey(TComponentReader &record) {
    std::unique_ptr<TVxKey> key = TVxKey::CreateFromStream(nullptr, record);
    key->resize(key->size().boundedTo(QSize(200, 200)));
    QImage image(key->size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    key->render(&image);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "table_fuzzer";
    static char *argv[] = {name, nullptr};
    // Kept for the whole run and never destroyed: Qt's font caches outlive the fuzzing, and an
    // application torn down at exit would report them as leaks.
    static QApplication *app = new QApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (bool keyFile : {false, true}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TTableReadResult read = keyFile ? ReadKeyFile(&buffer) : ReadTableFile(&buffer);
        // Refusals end in the result; a TError escaping here would be a finding.
        ReadKeys(read, bytes,
                 [](TComponentReader &record, const TTableKey &, int) { MakeKey(record); });
    }
    return 0;
}
