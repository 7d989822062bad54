#pragma once

#include <QString>

// Texts shown by the board import and export.
namespace ObfStrings {

inline const QString ImportReportHeading =
    QStringLiteral("Některé části tabulek nebylo možné převést, zbytek byl nahrán:");
inline const QString ExportReportHeading =
    QStringLiteral("Některé části tabulek nebylo možné uložit, zbytek byl uložen:");
inline const QString CannotImport = QStringLiteral("Soubor nelze nahrát jako tabulky: ");
inline const QString CannotExport = QStringLiteral("Tabulky nelze uložit jako balík: ");

inline QString InBoard(const QString &board, const QString &what) {
    return QStringLiteral("%1: %2").arg(board, what);
}

} // namespace ObfStrings
