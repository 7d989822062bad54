#pragma once

#include <QString>

// The main window's own texts, exactly as the user sees them.
namespace AppStrings {

inline const QString ApplicationTitle = QStringLiteral("Orvanta");
inline const QString DesignCaption = QStringLiteral("Klávesnice");
inline const QString MainCaption = QStringLiteral("Klávesnice pro alternativní komunikaci");
inline const QString AlreadyRunning =
    QStringLiteral("Program již běží. Nelze spustit více než jednu kopii.");
inline const QString ConfigNotSaved = QStringLiteral("Warning: Configuration not saved !");
inline const QString ConfigFileName = QStringLiteral("Orvanta.cfg");

inline const QString CapsLock = QStringLiteral("CapsLock");
inline const QString Shift = QStringLiteral("Shift");
inline const QString EditLabel = QStringLiteral("Nastavení");
inline const QString ScanningLabel = QStringLiteral("Skenování");
inline const QString EditButtonInEdit = QStringLiteral("&Start F8");
inline const QString EditButtonInWork = QStringLiteral("&Nastavení F8");
inline const QString EditButtonHint =
    QStringLiteral("Přepíná mezi pracovním režimem a režimem nastavení");
inline const QString StopSpeechHint = QStringLiteral("Zastavení hlasového výstupu");
inline const QString XmlButton = QStringLiteral("XML");
inline const QString SelectedDesign = QStringLiteral("selected:");
inline const QString SelectedPrefix = QStringLiteral("Selected: ");
inline const QString F8Hint = QStringLiteral("F8 - Nastavení/Start");

} // namespace AppStrings
