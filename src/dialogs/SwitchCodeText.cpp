#include "SwitchCodeText.h"

#include "CodePage1250.h"
#include "KeyboardLayout.h"
#include "SpecialKey.h"
#include "VirtualKeys.h"

#include <QRegularExpression>

namespace SwitchCodeText {
namespace {

constexpr int kMaxCode = 255;

int CharacterCode(char32_t ch, const TKeyboardLayout &layout) {
    const int scan = layout.KeyScan(ch);
    // The shift state does not matter: the key is the switch, whatever it types.
    return scan < 0 ? 0 : scan & 0xFF;
}

int FunctionKeyCode(const QString &text) {
    static const QRegularExpression name(QStringLiteral("^[Ff]([1-9]|1[0-9]|2[0-4])$"));
    const QRegularExpressionMatch match = name.match(text);
    if (!match.hasMatch())
        return 0;
    const int number = match.captured(1).toInt();
    return VirtualKeys::VK_F1 - 1 + number;
}

int NumberCode(const QString &text) {
    static const QRegularExpression number(QStringLiteral("^#([0-9]{1,3})$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    const int code = match.captured(1).toInt();
    return code <= kMaxCode ? code : 0;
}

} // namespace

const QStringList &Names() {
    static const QStringList names = [] {
        QStringList list;
        for (int i = 1; i <= NameCount; ++i)
            list.append(QLatin1String(SpecialKeyNames[std::size_t(i)]));
        return list;
    }();
    return names;
}

int NameCode(int index) {
    if (index < 0 || index >= NameCount)
        return 0;
    return SpecialCodes[std::size_t(index + 1)];
}

QString Text(int code, const TKeyboardLayout &layout) {
    QStringList candidates;
    for (int i = 0; i < NameCount; ++i) {
        if (NameCode(i) == code)
            candidates.append(Names().at(i));
    }
    if (code >= VirtualKeys::VK_F1 && code <= VirtualKeys::VK_F24)
        candidates.append(QLatin1Char('F') + QString::number(code - VirtualKeys::VK_F1 + 1));
    if (code > 0 && code <= kMaxCode)
        candidates.append(QString(QChar(CodePage1250::ToUnicode((unsigned char)code))));
    for (const QString &text : std::as_const(candidates)) {
        if (Code(text, layout) == code)
            return text;
    }
    return QLatin1Char('#') + QString::number(code);
}

int Code(const QString &text, const TKeyboardLayout &layout) {
    // A lone character counts as it is, a blank included; around a name, blanks do not count.
    const QList<uint> whole = text.toUcs4();
    if (whole.size() == 1)
        return CharacterCode(char32_t(whole.first()), layout);
    const QString trimmed = text.trimmed();
    const QList<uint> characters = trimmed.toUcs4();
    if (characters.isEmpty())
        return 0;
    if (characters.size() == 1)
        return CharacterCode(char32_t(characters.first()), layout);
    if (const int code = FunctionKeyCode(trimmed))
        return code;
    for (int i = 0; i < NameCount; ++i) {
        if (Names().at(i).compare(trimmed, Qt::CaseInsensitive) == 0)
            return NameCode(i);
    }
    return NumberCode(trimmed);
}

TRefusal Check(int code1, int code2) {
    if (code1 <= 0 || code1 > kMaxCode)
        return TRefusal::NoKey1;
    if (code1 == VirtualKeys::VK_F8)
        return TRefusal::EditKey1;
    if (code2 <= 0 || code2 > kMaxCode)
        return TRefusal::NoKey2;
    if (code2 == VirtualKeys::VK_F8)
        return TRefusal::EditKey2;
    if (code1 == code2)
        return TRefusal::SameKey;
    return TRefusal::None;
}

} // namespace SwitchCodeText
