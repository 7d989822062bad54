#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// Identifiers and property names compare without regard to letter case, as in the records'
// home language; names of another length are passed over without comparing their letters.
inline bool SameName(QByteArrayView name, QByteArrayView known) {
    return name.size() == known.size() && name.compare(known, Qt::CaseInsensitive) == 0;
}

// The colour names (clBlack, ..., clBtnShadow, ..., clNone, clDefault) and charset names
// (ANSI_CHARSET, ..., EASTEUROPE_CHARSET, ...) of component records.
std::optional<QByteArray> ColorName(std::uint32_t color);
std::optional<std::uint32_t> ColorFromName(QByteArrayView name);
std::optional<QByteArray> CharsetName(std::int32_t charset);
std::optional<std::int32_t> CharsetFromName(QByteArrayView name);

// Colour constants in the stored layout 0x00BBGGRR.
namespace Colors {
inline constexpr std::uint32_t clBlack = 0x000000;
inline constexpr std::uint32_t clMaroon = 0x000080;
inline constexpr std::uint32_t clGreen = 0x008000;
inline constexpr std::uint32_t clNavy = 0x800000;
inline constexpr std::uint32_t clGray = 0x808080;
inline constexpr std::uint32_t clSilver = 0xC0C0C0;
inline constexpr std::uint32_t clRed = 0x0000FF;
inline constexpr std::uint32_t clLime = 0x00FF00;
inline constexpr std::uint32_t clYellow = 0x00FFFF;
inline constexpr std::uint32_t clBlue = 0xFF0000;
inline constexpr std::uint32_t clWhite = 0xFFFFFF;
inline constexpr std::uint32_t clNone = 0x1FFFFFFF;
inline constexpr std::uint32_t clDefault = 0x20000000;
inline constexpr std::uint32_t clBtnFace = 0xFF00000F;
inline constexpr std::uint32_t clBtnShadow = 0xFF000010;
inline constexpr std::uint32_t clBtnHighlight = 0xFF000014;
} // namespace Colors
