#include "TextComposer.h"

#include "CodePage1250.h"
#include "StringProc.h"

#include <QList>

namespace {

QString FromCodePoint(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

// Unicode's simple case mapping, except where it would leave the code page (the micro sign
// would become a Greek capital): Windows keeps such letters as they are.
char32_t KeepInCodePage(char32_t original, char32_t mapped) {
    if (mapped == original)
        return original;
    if (CodePage1250::CanEncode(FromCodePoint(original)) &&
        !CodePage1250::CanEncode(FromCodePoint(mapped)))
        return original;
    return mapped;
}

char32_t Upper(char32_t c) {
    return KeepInCodePage(c, QChar::toUpper(c));
}

char32_t Lower(char32_t c) {
    return KeepInCodePage(c, QChar::toLower(c));
}

QString FromCodePoints(const QList<uint> &chars) {
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(chars.constData()), chars.size());
}

QList<uint> Recased(QList<uint> chars, bool upper) {
    for (uint &c : chars)
        c = upper ? Upper(c) : Lower(c);
    return chars;
}

QString SpokenText(int autoReadMode, TTextKeyKind kind, const QString &data, bool sentenceEnd) {
    if (kind != TTextKeyKind::Text)
        return QString();
    if (autoReadMode == AutoRead::All || (autoReadMode == AutoRead::Sentences && sentenceEnd))
        return data;
    return QString();
}

} // namespace

bool TTextComposer::IsSentenceEnd(const QString &data) {
    if (data.toUcs4().size() < 2)
        return false;
    const QChar last = data.back();
    return last == QLatin1Char('!') || last == QLatin1Char('.') || last == QLatin1Char(';') ||
           last == QLatin1Char('?');
}

TKeyText TTextComposer::KeyText(const QString &text, const QString &textSh, TTextKeyKind kind,
                                int autoReadMode) {
    TKeyText out;
    out.PlaySound = kind == TTextKeyKind::Sound;

    // Shift chooses the shifted text and is spent on it, yet it still capitalises that text:
    // a key whose shifted text is "A" writes "A".
    const bool shifted = FShift;
    QString data = text;
    if (FShift && !textSh.isEmpty()) {
        data = textSh;
        FShift = false;
    }
    if (data.isEmpty())
        return out;

    const QList<uint> chars = data.toUcs4();
    out.SentenceEnd = IsSentenceEnd(data);

    if (chars.size() == 1) {
        char32_t c = chars.front();
        const bool bmp = !QChar::requiresSurrogates(c);
        if (bmp && IsDeadAccent(QChar(c)) && FAccent.isNull()) {
            // The accent waits for its letter; nothing is written, read or played yet.
            FAccent = QChar(c);
            FShift = false;
            out.PlaySound = false;
            return out;
        }
        if (!FAccent.isNull()) {
            // The accent is spent on this character; one it does not fit, another accent
            // included, is written unchanged.
            if (bmp)
                c = ComposeAccent(QChar(c), FAccent).unicode();
            FAccent = QChar();
        }
        data = FromCodePoint(c);
        out.Insert = FromCodePoint(FCapsLock || shifted ? Upper(c) : Lower(c));
    } else {
        // Texts starting with a capital, a digit or a sign are written as they are; a pending
        // accent is left for the next single letter.
        const char32_t first = chars.front();
        if (Upper(first) == first) {
            out.Insert = data;
        } else {
            QList<uint> recased = Recased(chars, FCapsLock);
            if (shifted || out.SentenceEnd)
                recased.front() = Upper(recased.front());
            out.Insert = FromCodePoints(recased);
        }
        out.Insert += QLatin1Char(' ');
    }

    FShift = false;
    out.Speak = SpokenText(autoReadMode, kind, data, out.SentenceEnd);
    return out;
}
