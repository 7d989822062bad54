#include "KeyLayout.h"

#include <cmath>

namespace {

// Wide working copy of a rectangle; narrowed to int only at the end.
struct TWideRect {
    qint64 Left = 0;
    qint64 Top = 0;
    qint64 Right = 0;
    qint64 Bottom = 0;

    TKeyRect Narrow() const {
        const auto n = [](qint64 v) {
            return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::max()));
        };
        return TKeyRect{n(Left), n(Top), n(Right), n(Bottom)};
    }
};

// Horizontally centred text box with one pixel of room on each side: left and right only.
void CentreHorizontally(TWideRect &r, qint64 width, qint64 textWidth, qint64 p) {
    r.Left = (width - textWidth - 2) / 2 + p;
    r.Right = (width + textWidth + 2) / 2 + p;
}

} // namespace

qint64 RoundHalfEven(double value) {
    constexpr double limit = 9007199254740992.0; // 2^53: beyond it every double is an integer
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return qint64(limit);
    if (value <= -limit)
        return -qint64(limit);
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1;
    return qint64(rounded);
}

TKeyLayout KeyLayout(const TKeyLayoutInput &in) {
    const qint64 w = in.Width;
    const qint64 h = in.Height;
    const qint64 b = in.BorderWidth;
    const qint64 p = in.Pressed;
    const qint64 tw = in.TextWidth;
    const qint64 th = in.TextHeight;
    const qint64 sw = in.TextShEmpty ? 0 : in.TextShWidth;
    const qint64 sh = in.TextShEmpty ? 0 : in.TextShHeight;

    // The whole key less the border, less one line of Text and one more border at the bottom.
    TWideRect symbol{b + p, b + p, w - b + p, h - th - 2 * b + p};

    if (in.Aspect > 0) {
        const qint64 areaW = symbol.Right - symbol.Left;
        const qint64 areaH = symbol.Bottom - symbol.Top;
        // Floating division: an area of zero width is "too tall" rather than a fault.
        if (double(areaH) / double(areaW) > in.Aspect) {
            const qint64 d = (areaH - RoundHalfEven(double(areaW) * in.Aspect)) / 2;
            symbol.Top += d;
            symbol.Bottom -= d;
        } else {
            const qint64 d = (areaW - RoundHalfEven(double(areaH) / in.Aspect)) / 2;
            symbol.Left += d;
            symbol.Right -= d;
        }
    }

    TWideRect text;
    TWideRect textSh;
    CentreHorizontally(text, w, tw, p);
    if (in.HasSymbol) {
        // One line under the symbol; the shifted text is not shown beside a symbol.
        text.Top = symbol.Bottom + b;
        text.Bottom = symbol.Bottom + b + th + 1;
        text.Bottom = std::min(text.Bottom, h - 2 + p);
    } else if (in.TextShEmpty) {
        text.Top = (h - th - 2) / 2 + p;
        text.Bottom = (h + th + 2) / 2 + p;
        text.Top = std::max(text.Top, p + 2);
        text.Bottom = std::min(text.Bottom, h - 2 + p);
    } else {
        // Shifted text centred in the upper half, Text in the lower half.
        const qint64 m = h / 2;
        CentreHorizontally(textSh, w, sw, p);
        textSh.Top = (m - 2 - sh - 2) / 2 + p;
        textSh.Bottom = (m + 2 + sh + 2) / 2 + p;
        text.Top = (m - 2 - th - 2) / 2 + m + p;
        text.Bottom = (m + 2 + th + 2) / 2 + m + p;
        text.Top = std::max(text.Top, m + 1 + p);
        text.Bottom = std::min(text.Bottom, h - 2 + p);
        textSh.Top = std::max(textSh.Top, p + 2);
        textSh.Bottom = std::min(textSh.Bottom, m - 1 + p);
    }

    // A text wider than the key is clipped two pixels inside both edges, keeping its centring.
    for (TWideRect *r : {&text, &textSh}) {
        r->Left = std::max(r->Left, p + 2);
        r->Right = std::min(r->Right, w - 2 + p);
    }

    return TKeyLayout{symbol.Narrow(), text.Narrow(), textSh.Narrow()};
}
