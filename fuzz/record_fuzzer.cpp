// Feeds arbitrary bytes to the component record reader. A TStreamError is the expected answer
// to damaged input; a crash, a sanitizer report or any other exception is a finding.
#include "ComponentReader.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // Read whole, then passed over as readers pass over entries they do not know.
    for (const bool skip : {false, true}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TComponentReader reader(&buffer);
        try {
            reader.ReadPrefix();
            while (!reader.EndOfList()) {
                reader.ReadPropertyName();
                if (skip)
                    reader.SkipValue();
                else
                    reader.ReadValue();
            }
        } catch (const TStreamError &) {
        }
    }
    return 0;
}
