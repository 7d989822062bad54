#pragma once

#include "TText.h"

#include <QString>

// Messages of the picture readers, as the user sees them in the error box.
namespace GraphicsStrings {

inline constexpr auto SymbolDataTruncated = TText("GraphicsStrings", "Data obrázku jsou neúplná.");
inline constexpr auto InvalidBitmap = TText("GraphicsStrings", "Bitmapa je poškozená (%1).");
inline constexpr auto InvalidIcon = TText("GraphicsStrings", "Ikona je poškozená.");
inline constexpr auto InvalidMetafile = TText("GraphicsStrings", "Metasoubor je poškozený (%1).");
inline constexpr auto InvalidJpeg = TText("GraphicsStrings", "Obrázek JPEG je poškozený (%1).");
inline constexpr auto UnknownPicture =
    TText("GraphicsStrings", "Soubor %1 není obrázek známého formátu.");
inline constexpr auto CannotReadPicture =
    TText("GraphicsStrings", "Soubor s obrázkem %1 nelze přečíst.");
inline constexpr auto CannotCompress =
    TText("GraphicsStrings", "Obrázek nelze převést do formátu JPEG (%1).");
inline constexpr auto JpegUnavailable =
    TText("GraphicsStrings", "Obrázky JPEG nelze číst ani psát: %1");
inline constexpr auto MetafileWorkLimit =
    TText("GraphicsStrings", "Metasoubor je příliš složitý; vykreslí se jen jeho začátek.");

} // namespace GraphicsStrings
