#include "ColorMap.h"

namespace {

constexpr std::uint32_t clNone = 0x1FFFFFFF;
constexpr std::uint32_t clDefault = 0x20000000;

struct TSystemColor {
    bool FromPalette;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
    QRgb Fixed; // used when the colour has no palette role
};

constexpr QPalette::ColorGroup Cur = QPalette::Current;

// Index = the low byte of a system colour. The fixed values are the classic desktop defaults.
const TSystemColor SystemColors[] = {
    {true, Cur, QPalette::Button, 0},                       // 00 clScrollBar
    {false, Cur, QPalette::NoRole, qRgb(0x3A, 0x6E, 0xA5)}, // 01 clBackground
    {true, Cur, QPalette::Highlight, 0},                    // 02 clActiveCaption
    {false, Cur, QPalette::NoRole, qRgb(0xBF, 0xCD, 0xDB)}, // 03 clInactiveCaption
    {true, Cur, QPalette::Window, 0},                       // 04 clMenu
    {true, Cur, QPalette::Base, 0},                         // 05 clWindow
    {false, Cur, QPalette::NoRole, qRgb(0x64, 0x64, 0x64)}, // 06 clWindowFrame
    {true, Cur, QPalette::WindowText, 0},                   // 07 clMenuText
    {true, Cur, QPalette::Text, 0},                         // 08 clWindowText
    {true, Cur, QPalette::HighlightedText, 0},              // 09 clCaptionText
    {false, Cur, QPalette::NoRole, qRgb(0xB4, 0xB4, 0xB4)}, // 0A clActiveBorder
    {false, Cur, QPalette::NoRole, qRgb(0xF4, 0xF7, 0xFC)}, // 0B clInactiveBorder
    {false, Cur, QPalette::NoRole, qRgb(0xAB, 0xAB, 0xAB)}, // 0C clAppWorkSpace
    {true, Cur, QPalette::Highlight, 0},                    // 0D clHighlight
    {true, Cur, QPalette::HighlightedText, 0},              // 0E clHighlightText
    {true, Cur, QPalette::Button, 0},                       // 0F clBtnFace
    {true, Cur, QPalette::Dark, 0},                         // 10 clBtnShadow
    {true, QPalette::Disabled, QPalette::WindowText, 0},    // 11 clGrayText
    {true, Cur, QPalette::ButtonText, 0},                   // 12 clBtnText
    {false, Cur, QPalette::NoRole, qRgb(0x00, 0x00, 0x00)}, // 13 clInactiveCaptionText
    {true, Cur, QPalette::Light, 0},                        // 14 clBtnHighlight
    {true, Cur, QPalette::Shadow, 0},                       // 15 cl3DDkShadow
    {true, Cur, QPalette::Midlight, 0},                     // 16 cl3DLight
    {true, Cur, QPalette::ToolTipText, 0},                  // 17 clInfoText
    {true, Cur, QPalette::ToolTipBase, 0},                  // 18 clInfoBk
    {false, Cur, QPalette::NoRole, qRgb(0x00, 0x00, 0x00)}, // 19 (no colour of its own)
    {true, Cur, QPalette::Link, 0},                         // 1A clHotLight
    {false, Cur, QPalette::NoRole, qRgb(0x99, 0xB4, 0xD1)}, // 1B clGradientActiveCaption
    {false, Cur, QPalette::NoRole, qRgb(0xD7, 0xE4, 0xF2)}, // 1C clGradientInactiveCaption
    {true, Cur, QPalette::Highlight, 0},                    // 1D clMenuHighlight
    {true, Cur, QPalette::Window, 0},                       // 1E clMenuBar
};

} // namespace

QColor ToQColor(std::uint32_t color, const QPalette &palette, const QColor &fallback) {
    if (color == clNone)
        return QColor();
    if (color == clDefault)
        return fallback;
    if ((color >> 24) == 0xFF) {
        const std::uint32_t index = color & 0xFFFFFF;
        if (index >= std::size(SystemColors))
            return QColor(Qt::black); // the system answers black for an unknown index
        const TSystemColor &entry = SystemColors[index];
        if (!entry.FromPalette)
            return QColor::fromRgb(entry.Fixed);
        return palette.color(entry.Group, entry.Role);
    }
    // Palette-index and palette-relative values carry their colour in the low three bytes.
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

std::uint32_t FromQColor(const QColor &color) {
    if (!color.isValid())
        return clNone;
    const QRgb rgb = color.rgb();
    return std::uint32_t(qRed(rgb)) | (std::uint32_t(qGreen(rgb)) << 8) |
           (std::uint32_t(qBlue(rgb)) << 16);
}
