#pragma once

#include "VoiceToken.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What the voice dialogs show of one voice; every field has a default for a missing attribute.
struct TVoiceInfo {
    QString Id;
    QString Name;
    QString Vendor;
    QString Language;
    QString Gender;
    QString Age;
    std::int32_t GenderCode = 0; // 2 male, 1 female, 0 anything else
    std::int32_t LanguageId = 0;
    std::int32_t LanguageId2 = 0;

    bool operator==(const TVoiceInfo &) const = default;
};

// Reads the attributes of `token`; what is missing or unreadable keeps its default.
TVoiceInfo ReadVoiceInfo(const TVoiceToken &token);

// Windows locale identifiers of the languages our voices speak. Language tags are eSpeak NG's
// ("cs", "en-us"); a tag without a territory of its own falls back to its language ("en-029"
// is not listed, "en" is).
std::optional<std::int32_t> LocaleIdOfLanguage(const QString &tag);
// The tag of a locale identifier of the table; empty when it is not there.
QString LanguageOfLocaleId(std::int32_t localeId);
// The full name of a locale ("Czech (Czechia)"); "<unknown>" outside the table.
QString LocaleDisplayName(std::int32_t localeId);
