#pragma once

#include <QFlags>
#include <QFont>
#include <QString>
#include <cstdint>

// A key's font exactly as its record stores it, so a record read and written again is
// byte-identical. Converted to a QFont only for measuring and drawing.
struct TKeyFont {
    enum TPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
    enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)

    // A new key's font: the classic default face, 16 pixels, navy, DEFAULT_CHARSET. The face
    // name is kept as stored even where no such face is installed; drawing lets the system
    // substitute one.
    std::int32_t Charset = 1;
    std::uint32_t Color = 0x800000;
    std::int32_t Height = -16; // negative: character height in pixels; positive: cell height
    QString Name = QStringLiteral("MS Sans Serif");
    TPitch Pitch = fpDefault;
    TFontStyles Style;

    // The font to draw with. The pixel size is capped so that a damaged height cannot make
    // text rendering allocate without bound.
    QFont ToQFont() const;
    // Name, size, style and pitch taken from `font` (as a font dialog returns it); the
    // charset and colour, which QFont does not carry, come from `base`.
    static TKeyFont FromQFont(const QFont &font, const TKeyFont &base);
    static TKeyFont FromQFont(const QFont &font);

    bool operator==(const TKeyFont &) const = default;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TKeyFont::TFontStyles)
