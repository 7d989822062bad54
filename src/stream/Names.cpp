#include "Names.h"

#include <array>
#include <cstring>

namespace {

template <typename T>
struct TNamed {
    T Value;
    QByteArrayView Name; // its length known when the program is built
};

constexpr std::array<TNamed<std::uint32_t>, 52> kColors = {{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {0x1FFFFFFF, "clNone"},
    {0x20000000, "clDefault"},
    {0xFF000000, "clScrollBar"},
    {0xFF000001, "clBackground"},
    {0xFF000002, "clActiveCaption"},
    {0xFF000003, "clInactiveCaption"},
    {0xFF000004, "clMenu"},
    {0xFF000005, "clWindow"},
    {0xFF000006, "clWindowFrame"},
    {0xFF000007, "clMenuText"},
    {0xFF000008, "clWindowText"},
    {0xFF000009, "clCaptionText"},
    {0xFF00000A, "clActiveBorder"},
    {0xFF00000B, "clInactiveBorder"},
    {0xFF00000C, "clAppWorkSpace"},
    {0xFF00000D, "clHighlight"},
    {0xFF00000E, "clHighlightText"},
    {0xFF00000F, "clBtnFace"},
    {0xFF000010, "clBtnShadow"},
    {0xFF000011, "clGrayText"},
    {0xFF000012, "clBtnText"},
    {0xFF000013, "clInactiveCaptionText"},
    {0xFF000014, "clBtnHighlight"},
    {0xFF000015, "cl3DDkShadow"},
    {0xFF000016, "cl3DLight"},
    {0xFF000017, "clInfoText"},
    {0xFF000018, "clInfoBk"},
    // 0x19 has no name.
    {0xFF00001A, "clHotLight"},
    {0xFF00001B, "clGradientActiveCaption"},
    {0xFF00001C, "clGradientInactiveCaption"},
    {0xFF00001D, "clMenuHighlight"},
    {0xFF00001E, "clMenuBar"},
}};

constexpr std::array<TNamed<std::int32_t>, 18> kCharsets = {{
    {0, "ANSI_CHARSET"},
    {1, "DEFAULT_CHARSET"},
    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},
    {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},
    {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"},
    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},
    {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},
    {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
}};

} // namespace

std::optional<QByteArray> ColorName(std::uint32_t color) {
    for (const auto &c : kColors) {
        if (c.Value == color)
            return c.Name.toByteArray();
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ColorFromName(QByteArrayView name) {
    for (const auto &c : kColors) {
        if (SameName(name, c.Name))
            return c.Value;
    }
    return std::nullopt;
}

std::optional<QByteArray> CharsetName(std::int32_t charset) {
    for (const auto &c : kCharsets) {
        if (c.Value == charset)
            return c.Name.toByteArray();
    }
    return std::nullopt;
}

std::optional<std::int32_t> CharsetFromName(QByteArrayView name) {
    for (const auto &c : kCharsets) {
        if (SameName(name, c.Name))
            return c.Value;
    }
    return std::nullopt;
}
