#pragma once

#include <QString>

// Messages of the picture readers, as the user sees them in the error box.
namespace GraphicsStrings {

inline const QString SymbolDataTruncated = QStringLiteral("Data obrázku jsou neúplná.");
inline const QString InvalidBitmap = QStringLiteral("Bitmapa je poškozená (%1).");
inline const QString InvalidIcon = QStringLiteral("Ikona je poškozená.");
inline const QString InvalidMetafile = QStringLiteral("Metasoubor je poškozený (%1).");
inline const QString InvalidJpeg = QStringLiteral("Obrázek JPEG je poškozený (%1).");
inline const QString UnknownPicture = QStringLiteral("Soubor %1 není obrázek známého formátu.");
inline const QString CannotReadPicture = QStringLiteral("Soubor s obrázkem %1 nelze přečíst.");
inline const QString CannotCompress = QStringLiteral("Obrázek nelze převést do formátu JPEG (%1).");
inline const QString MetafileWorkLimit =
    QStringLiteral("Metasoubor je příliš složitý; vykreslí se jen jeho začátek.");

} // namespace GraphicsStrings
