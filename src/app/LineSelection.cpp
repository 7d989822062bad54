#include "LineSelection.h"

#include <algorithm>

namespace {

bool IsLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
           c == QChar::LineSeparator;
}

} // namespace

TTextRange LineBounds(QStringView text, int position) {
    const int size = int(text.size());
    const int p = std::clamp(position, 0, size);
    int start = p;
    while (start > 0 && !IsLineBreak(text.at(start - 1)))
        --start;
    int end = p;
    while (end < size && !IsLineBreak(text.at(end)))
        ++end;
    return TTextRange{start, end};
}

TTextRange LineSelection(TTextRange line, int position) {
    if (position <= 0)
        return line;
    return TTextRange{line.Start, std::clamp(position + 1, line.Start, line.End)};
}
