#include "KeyFont.h"

#include <QStringList>
#include <QtMath>
#include <algorithm>
#include <cstdlib>

namespace {

// Larger faces than this are of no use on a key and only cost memory in the glyph caches.
constexpr qint64 MaxPixelSize = 1024;

} // namespace

QFont TKeyFont::ToQFont() const {
    QFont font;
    if (!Name.isEmpty())
        font.setFamilies(QStringList{Name});
    // The hint steers the system's substitute when the named face is missing.
    if (Pitch == fpFixed) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    // Both signs are taken as the pixel height; the difference between a cell height and a
    // character height is a matter of internal leading that the system fonts do not share.
    if (Height != 0)
        font.setPixelSize(int(std::min(std::abs(qint64(Height)), MaxPixelSize)));
    font.setBold(Style.testFlag(fsBold));
    font.setItalic(Style.testFlag(fsItalic));
    font.setUnderline(Style.testFlag(fsUnderline));
    font.setStrikeOut(Style.testFlag(fsStrikeOut));
    return font;
}

TKeyFont TKeyFont::FromQFont(const QFont &font, const TKeyFont &base) {
    TKeyFont result = base;
    result.Name = font.family();
    if (font.pixelSize() > 0)
        result.Height = -font.pixelSize();
    else if (font.pointSizeF() > 0)
        result.Height = -qRound(font.pointSizeF() * 96.0 / 72.0);
    result.Pitch = font.fixedPitch() ? fpFixed : (base.Pitch == fpFixed ? fpDefault : base.Pitch);
    TFontStyles style;
    if (font.bold())
        style |= fsBold;
    if (font.italic())
        style |= fsItalic;
    if (font.underline())
        style |= fsUnderline;
    if (font.strikeOut())
        style |= fsStrikeOut;
    result.Style = style;
    return result;
}

TKeyFont TKeyFont::FromQFont(const QFont &font) {
    return FromQFont(font, TKeyFont());
}
