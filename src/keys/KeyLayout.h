#pragma once

#include "KeyRect.h"

// What the layout of a key's face depends on: its size, border, the extents of its two texts in
// its font, whether it shows a symbol, the wanted symbol aspect and the pressed offset (0 or 1).
struct TKeyLayoutInput {
    int Width = 0;
    int Height = 0;
    int BorderWidth = 0;
    int TextWidth = 0;
    int TextHeight = 0;
    bool TextShEmpty = true;
    int TextShWidth = 0; // ignored while TextShEmpty
    int TextShHeight = 0;
    bool HasSymbol = false;
    double Aspect = 0; // height / width of the symbol; 0 or less stretches it to the whole area
    int Pressed = 0;
};

// Where the symbol is stretched and where the two texts are drawn, in client coordinates.
struct TKeyLayout {
    TKeyRect SymbolRect;
    TKeyRect TextBounds;
    TKeyRect TextShBounds;

    bool operator==(const TKeyLayout &) const = default;
};

// The face layout. Integer halving truncates toward zero and the aspect correction rounds half to
// even, so the result is the same wherever keys are drawn. Arithmetic is carried out wide and
// saturated, so absurd sizes or borders read from a file cannot overflow.
TKeyLayout KeyLayout(const TKeyLayoutInput &in);

// Round half to even, independent of the floating-point rounding mode; NaN gives 0 and values
// beyond +-2^53 are clamped there.
qint64 RoundHalfEven(double value);
