#pragma once

#include <QString>

// The dialogs' own texts, exactly as the user sees them.
namespace DialogStrings {

inline const QString ConfirmCaption = QStringLiteral("Potvrzení příkazu");
// The question before the whole text is cleared; the blank before "?" is intended.
inline const QString ClearQuestion = QStringLiteral("Opravdu chcete smazat celý text ?");
inline const QString Yes = QStringLiteral("&Ano");
inline const QString No = QStringLiteral("&Ne");
// What a screen reader announces for the two answers.
inline const QString YesName = QStringLiteral("Ano");
inline const QString NoName = QStringLiteral("Ne");

// The directory chooser.
inline const QString DirCaption = QStringLiteral("Volba adresáře");
inline const QString Ok = QStringLiteral("OK");
inline const QString Cancel = QStringLiteral("Storno");
inline const QString PlaceHome = QStringLiteral("Domovská složka");
inline const QString PlaceDocuments = QStringLiteral("Dokumenty");
inline const QString PlaceRoot = QStringLiteral("Celý počítač");
inline const QString PlacesName = QStringLiteral("Místa a svazky");
inline const QString TreeName = QStringLiteral("Adresáře");

// The about box.
inline const QString AboutCaption = QStringLiteral("O aplikaci");
inline const QString ProgramName = QStringLiteral("Orvanta");
inline const QString ProductName = QStringLiteral("Klávesnice pro alternativní komunikaci");
inline const QString VersionDesign = QStringLiteral("Verze");
inline const QString VersionPrefix = QStringLiteral("Verze 2.0");
inline const QString VersionUpdate = QStringLiteral("update 2");
inline const QString Credits[4] = {
    QStringLiteral("Napsal tým programu Orvanta pro lidi, kteří nemohou mluvit."),
    QStringLiteral("Klávesnice, obrázky a zvuky jsou vlastní tvorbou projektu."),
    QStringLiteral("Řeč: eSpeak NG. Grafické rozhraní: Qt 6."),
    QStringLiteral("Licence: GNU General Public License, verze 3 nebo pozdější."),
};

} // namespace DialogStrings
