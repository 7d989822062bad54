#pragma once

#include "Lexicon.h"
#include "Predictor.h"

// A small word list with the traps of the real one: words with and without diacritics sharing
// letters, a stored capital, and frequencies far apart.
inline TLexicon SmallLexicon() {
    const QList<std::pair<QString, quint32>> words = {
        {QStringLiteral("počítač"), 500},  {QStringLiteral("počítat"), 400},
        {QStringLiteral("pocity"), 300},   {QStringLiteral("pocit"), 1000},
        {QStringLiteral("děkuji"), 900},   {QStringLiteral("děkujeme"), 300},
        {QStringLiteral("dekorace"), 100}, {QStringLiteral("to"), 5000},
        {QStringLiteral("ten"), 3000},     {QStringLiteral("tady"), 2000},
        {QStringLiteral("den"), 1500},     {QStringLiteral("dobrý"), 1200},
        {QStringLiteral("dobře"), 1300},   {QStringLiteral("domů"), 700},
        {QStringLiteral("dost"), 650},     {QStringLiteral("dole"), 600},
        {QStringLiteral("I"), 4000},       {QStringLiteral("I'm"), 3000},
        {QStringLiteral("is"), 2500},      {QStringLiteral("it"), 3500},
    };
    TLexicon lexicon;
    lexicon.Read(TLexicon::Build(words), nullptr);
    return lexicon;
}
