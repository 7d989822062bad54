// Feeds arbitrary bytes to the configuration reader. Whatever it accepts must be written and read
// back to the same values; a crash, a sanitizer report or an exception is a finding.
#include "ConfigFormat.h"
#include "Error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Text with lone surrogates (possible in a stored wide string) cannot be written back as it was.
bool WritableText(const TDisplayRecord &display) {
    for (const QString &line : display.Lines) {
        if (!line.isValidUtf16())
            return false;
    }
    return !display.FontName || display.FontName->isValidUtf16();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const TConfigReadResult read = ConfigFormat::Read(bytes);
    if (!read.Has(TConfigPart::Voice) || !WritableText(read.Config.Display))
        return 0;
    TConfiguration config = read.Config;
    // What this program writes always carries the voice record and four lines.
    if (config.VoiceRecord.isEmpty())
        config.VoiceRecord = QByteArray(TConfiguration::VoiceRecordSize, '\0');
    QByteArray written;
    try {
        written = ConfigFormat::Write(config);
    } catch (const TError &) {
        return 0; // a stored name too long for a record
    }
    const TConfigReadResult again = ConfigFormat::Read(written);
    if (!read.Ok())
        return 0;
    if (!again.Ok() || !(again.Config == config))
        std::abort();
    return 0;
}
