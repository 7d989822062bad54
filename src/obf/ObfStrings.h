#pragma once

#include "TText.h"

#include <QString>

// Texts shown by the board import and export.
namespace ObfStrings {

inline constexpr auto ImportReportHeading =
    TText("ObfStrings", "Některé části tabulek nebylo možné převést, zbytek byl nahrán:");
inline constexpr auto ExportReportHeading =
    TText("ObfStrings", "Některé části tabulek nebylo možné uložit, zbytek byl uložen:");
inline constexpr auto CannotImport = TText("ObfStrings", "Soubor nelze nahrát jako tabulky: ");
inline constexpr auto CannotExport = TText("ObfStrings", "Tabulky nelze uložit jako balík: ");

inline QString InBoard(const QString &board, const QString &what) {
    return QStringLiteral("%1: %2").arg(board, what);
}

} // namespace ObfStrings
