#include "PredictText.h"

namespace PredictText {

QChar FoldChar(QChar c) {
    c = c.toLower();
    if (c.unicode() < 0x80)
        return c;
    if (c.decompositionTag() == QChar::Canonical) {
        const QString d = c.decomposition();
        if (!d.isEmpty() && !d.front().isSurrogate())
            return d.front().toLower();
    }
    return c;
}

QString Fold(const QString &text) {
    QString out = text;
    for (QChar &c : out)
        c = FoldChar(c);
    return out;
}

bool HasDiacritics(const QString &lowered) {
    for (const QChar c : lowered) {
        if (c.unicode() >= 0x80 && FoldChar(c) != c)
            return true;
    }
    return false;
}

namespace {

bool IsApostrophe(QChar c) {
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

} // namespace

bool IsWordChar(const QString &text, qsizetype i) {
    if (i < 0 || i >= text.size())
        return false;
    const QChar c = text.at(i);
    if (c.isLetter() || c.isMark())
        return true;
    // An apostrophe belongs to the word only with letters on both sides; while the user is
    // typing "don'" it is already part of the word, so a letter before it is enough at the end.
    if (!IsApostrophe(c) || i == 0 || !text.at(i - 1).isLetter())
        return false;
    return i + 1 == text.size() || text.at(i + 1).isLetter();
}

qsizetype WordStart(const QString &text) {
    qsizetype i = text.size();
    while (i > 0 && IsWordChar(text, i - 1))
        --i;
    return i;
}

bool IsSentenceEnd(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') ||
           c == QLatin1Char(';');
}

bool AtSentenceStart(const QString &text, qsizetype pos) {
    pos = qBound(qsizetype(0), pos, text.size());
    while (pos > 0) {
        const QChar c = text.at(pos - 1);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || IsSentenceEnd(c))
            return true;
        if (!c.isSpace())
            return false;
        --pos;
    }
    return true;
}

QString PreviousWord(const QString &text, qsizetype pos) {
    pos = qBound(qsizetype(0), pos, text.size());
    // Commas, dashes and quotes leave the pair intact ("den, potřebuji"); a sentence end or a
    // line break starts afresh.
    qsizetype end = pos;
    while (end > 0 && !IsWordChar(text, end - 1)) {
        const QChar c = text.at(end - 1);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || IsSentenceEnd(c) || c.isDigit())
            return QString();
        --end;
    }
    qsizetype start = end;
    while (start > 0 && IsWordChar(text, start - 1))
        --start;
    return text.mid(start, end - start).toLower();
}

QString ApplyCase(const QString &word, const QString &typed, bool capital) {
    if (word.isEmpty())
        return word;
    int letters = 0;
    bool allUpper = true;
    for (const QChar c : typed) {
        if (c.isLetter()) {
            ++letters;
            allUpper = allUpper && c.isUpper();
        }
    }
    if (letters >= 2 && allUpper)
        return word.toUpper();
    const bool first = capital || (!typed.isEmpty() && typed.front().isUpper());
    if (!first)
        return word;
    QString out = word;
    out[0] = out.at(0).toUpper();
    return out;
}

} // namespace PredictText
