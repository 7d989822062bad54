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

} // namespace DialogStrings
