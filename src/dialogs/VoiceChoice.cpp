#include "VoiceChoice.h"

#include "VoiceDialogStrings.h"
#include "VoiceStrings.h"

#include <QLocale>
#include <algorithm>

QList<TVendorGroup> GroupByVendor(const QList<TVoiceInfo> &voices) {
    QList<TVendorGroup> groups;
    for (int i = 0; i < voices.size(); ++i) {
        const QString &vendor = voices.at(i).Vendor;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&vendor](const TVendorGroup &g) { return g.Vendor == vendor; });
        if (group == groups.end()) {
            groups.append(TVendorGroup{vendor, {}});
            group = groups.end() - 1;
        }
        group->Voices.append(i);
    }
    return groups;
}

TVoicePicture PictureOfVoice(std::int32_t genderCode) {
    switch (genderCode) {
    case 2:
        return vpMale;
    case 1:
        return vpFemale;
    default:
        return vpOther;
    }
}

TVoiceKind KindOfOutputItem(int item) {
    switch (item) {
    case 1:
        return vkSapi5;
    case 2:
        return vkCSVoice;
    default:
        return vkNone;
    }
}

int OutputItemOfEngine(TVoiceEngine engine) {
    switch (engine) {
    case veSapi5:
        return 1;
    case veComServer:
    case veDdeServer:
        return 2;
    case veNone:
        break;
    }
    return 0;
}

bool EngineHasSettings(TVoiceEngine engine) {
    return engine == veComServer || engine == veSapi5;
}

QString SampleSentence(std::int32_t languageId) {
    constexpr std::int32_t kCzech = 0x405;
    return languageId == kCzech ? VoiceDialogStrings::CzechSample
                                : VoiceDialogStrings::EnglishSample;
}

namespace {

// A language's name without a region in it: Qt names English after its American form and
// Spanish after Spain's, so the shortest of the language's own names is the plain one.
QString PlainLanguageName(QLocale::Language language) {
    QString plain;
    const QList<QLocale> locales =
        QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        const QString name = locale.nativeLanguageName();
        if (!name.isEmpty() && (plain.isEmpty() || name.size() < plain.size()))
            plain = name;
    }
    return plain;
}

QString NameOfTag(const QString &tag) {
    if (tag.isEmpty())
        return {};
    const QString bcp47 = tag == QLatin1String("cmn") ? QStringLiteral("zh-CN") : tag;
    const QLocale locale(bcp47);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return {};
    // QLocale falls back to the C locale's neighbour for tags it does not know; only a tag that
    // begins with the language's own code is taken at its word.
    const QString code = QLocale::languageToCode(locale.language());
    if (!bcp47.startsWith(code, Qt::CaseInsensitive))
        return {};
    QString name = PlainLanguageName(locale.language());
    if (name.isEmpty())
        return {};
    if (bcp47.size() > code.size() && locale.territory() != QLocale::AnyTerritory) {
        const QString region = locale.nativeTerritoryName();
        if (!region.isEmpty())
            name += QStringLiteral(" (%1)").arg(region);
    }
    return name;
}

} // namespace

QString LanguageName(std::int32_t localeId) {
    return NameOfTag(LanguageOfLocaleId(localeId));
}

QString VoiceLanguageName(const TVoiceInfo &info) {
    QString name = LanguageName(info.LanguageId);
    if (name.isEmpty())
        name = NameOfTag(info.Id.section(QLatin1Char('/'), -1).toLower());
    return name.isEmpty() ? info.Language : name;
}

QString VoiceDescription(const TVoiceInfo &info) {
    const QString language = VoiceLanguageName(info);
    if (language.isEmpty() || language == VoiceStrings::Unknown || language == info.Name)
        return info.Name;
    return info.Name + QStringLiteral(" - ") + language;
}

QString TextWithLineBreaks(const QString &plain) {
    if (plain.isEmpty())
        return {};
    QString text;
    for (const QString &line : plain.split(QLatin1Char('\n')))
        text += line + QStringLiteral("\r\n");
    return text;
}
