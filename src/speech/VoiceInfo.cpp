#include "VoiceInfo.h"

#include "VoiceStrings.h"

#include <QLocale>
#include <iterator>

namespace {

struct TLanguageId {
    const char *Tag;
    std::int32_t Id;
};

// Primary languages come before their regional forms, so a reverse look-up of a bare language
// tag finds the main locale.
constexpr TLanguageId kLanguageIds[] = {
    {"cs", 0x405}, {"sk", 0x41B},     {"en-us", 0x409}, {"en", 0x809},    {"en-gb", 0x809},
    {"de", 0x407}, {"pl", 0x415},     {"fr", 0x40C},    {"fr-fr", 0x40C}, {"fr-be", 0x80C},
    {"es", 0x40A}, {"es-419", 0x80A}, {"it", 0x410},    {"hu", 0x40E},    {"ru", 0x419},
    {"uk", 0x422}, {"nl", 0x413},     {"pt", 0x816},    {"pt-br", 0x416}, {"sv", 0x41D},
    {"da", 0x406}, {"fi", 0x40B},     {"nb", 0x414},    {"el", 0x408},    {"tr", 0x41F},
    {"hr", 0x41A}, {"sl", 0x424},     {"sr", 0x81A},    {"bg", 0x402},    {"ro", 0x418},
    {"lt", 0x427}, {"lv", 0x426},     {"et", 0x425},    {"ca", 0x403},    {"ja", 0x411},
    {"ko", 0x412}, {"cmn", 0x804},    {"vi", 0x42A},    {"ar", 0x401},    {"he", 0x40D},
    {"hi", 0x439}, {"is", 0x40F},     {"ga", 0x83C},    {"cy", 0x452},    {"mk", 0x42F},
    {"sq", 0x41C}, {"be", 0x423},     {"ka", 0x437},    {"hy", 0x42B},    {"id", 0x421},
};

void ReadAttribute(const TVoiceToken &token, const char *name, QString &field) {
    if (const auto value = token.GetAttribute(QLatin1String(name)))
        field = *value;
}

bool ParseHex(const QString &text, std::int32_t &value) {
    bool ok = false;
    const uint parsed = text.trimmed().toUInt(&ok, 16);
    if (!ok)
        return false;
    value = std::int32_t(parsed);
    return true;
}

} // namespace

std::optional<std::int32_t> LocaleIdOfLanguage(const QString &tag) {
    const QString lower = tag.toLower();
    for (const TLanguageId &entry : kLanguageIds)
        if (lower == QLatin1String(entry.Tag))
            return entry.Id;
    return std::nullopt;
}

QString LanguageOfLocaleId(std::int32_t localeId) {
    for (const TLanguageId &entry : kLanguageIds)
        if (entry.Id == localeId)
            return QLatin1String(entry.Tag);
    return {};
}

QString LocaleDisplayName(std::int32_t localeId) {
    const QString tag = LanguageOfLocaleId(localeId);
    if (tag.isEmpty())
        return VoiceStrings::UnknownLanguage;
    const QLocale locale(tag == QLatin1String("cmn") ? QStringLiteral("zh-CN") : tag);
    QString name = QLocale::languageToString(locale.language());
    if (locale.territory() != QLocale::AnyTerritory)
        name += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
    return name;
}

TVoiceInfo ReadVoiceInfo(const TVoiceToken &token) {
    TVoiceInfo info;
    info.Id = QStringLiteral(" ");
    info.Name = info.Vendor = info.Language = info.Gender = info.Age = VoiceStrings::Unknown;
    ReadAttribute(token, "Name", info.Name);
    ReadAttribute(token, "Vendor", info.Vendor);
    ReadAttribute(token, "Age", info.Age);
    ReadAttribute(token, "Gender", info.Gender);
    info.Id = token.Id;
    const QString gender = info.Gender.toLower();
    if (gender == QLatin1String("male"))
        info.GenderCode = 2;
    else if (gender == QLatin1String("female"))
        info.GenderCode = 1;

    // "405" or "409;9": hexadecimal locale identifiers; whatever cannot be read keeps its default.
    const auto language = token.GetAttribute(QStringLiteral("Language"));
    if (!language)
        return info;
    const qsizetype semicolon = language->indexOf(QLatin1Char(';'));
    std::int32_t id = 0;
    if (!ParseHex(semicolon < 0 ? *language : language->left(semicolon), id))
        return info;
    info.LanguageId = id;
    if (semicolon >= 0) {
        std::int32_t id2 = 0;
        if (!ParseHex(language->mid(semicolon + 1), id2))
            return info;
        info.LanguageId2 = id2;
    }
    info.Language = LocaleDisplayName(info.LanguageId);
    return info;
}
