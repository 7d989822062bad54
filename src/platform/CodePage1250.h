#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1250, the 8-bit code page of stored strings and of the configuration file's text lines.
// Bytes without a character of their own (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control
// with the same number, so any byte string survives a trip through Unicode unchanged.
namespace CodePage1250 {

char16_t ToUnicode(unsigned char byte);
QString ToUnicode(QByteArrayView bytes);

// Characters the code page lacks become '?'; `lossless` (when given) tells whether that happened.
QByteArray FromUnicode(QStringView text, bool *lossless = nullptr);

// True when every character of `text` has a byte in the code page.
bool CanEncode(QStringView text);

} // namespace CodePage1250
