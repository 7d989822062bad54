#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

// The interface language. Czech is the original: its texts are the source texts, and English is
// a translation of them.
enum class TLanguage { Czech, English };

// "cs" or "en" (as given after --lang); nothing for any other value.
std::optional<TLanguage> ParseLanguage(const QString &name);

// The language of this run: a forced one wins; otherwise the first of the system's interface
// languages the program has (Slovak readers get Czech), where the C or POSIX locale, or no
// language at all, means the original Czech; any other language gets English.
TLanguage ChooseLanguage(std::optional<TLanguage> forced, const QStringList &uiLanguages);

// The system's interface languages, most wanted first; "C" alone for the C or POSIX locale.
QStringList SystemLanguages();

// Installs the translation of the program's texts (none for Czech) and Qt's own for its
// standard dialogs, where the system has it. Returns false when the program's translation could
// not be loaded; the interface then stays Czech.
bool InstallTranslation(QCoreApplication &app, TLanguage language);

// The language the interface was given by InstallTranslation (Czech before).
TLanguage InterfaceLanguage();

// The file shipped for a language: "Help.html" and "Orvanta.cfg" are the Czech ones,
// "Help.en.html" and "Orvanta.en.cfg" the English ones.
QString LocalizedFileName(const QString &fileName, TLanguage language);
