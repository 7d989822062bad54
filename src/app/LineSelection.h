#pragma once

#include <QStringView>

// A run of characters in the display: positions count characters from 0, End is exclusive.
struct TTextRange {
    int Start = 0;
    int End = 0;
    int Length() const { return End - Start; }
    friend bool operator==(const TTextRange &, const TTextRange &) = default;
};

// The line of plain `text` that holds `position`, without its line break. Lines end at "\n",
// "\r", and the paragraph and line separators of rich text.
TTextRange LineBounds(QStringView text, int position);

// What is selected of `line` to delete or read it: for `position` 0 or less the whole line,
// otherwise from the line start to `position` and the one character after it, but never past the
// line's end, so the caret stays on the line.
TTextRange LineSelection(TTextRange line, int position);
