#pragma once

#include "VoiceInfo.h"
#include "VoiceTypes.h"

#include <QList>
#include <QString>
#include <cstdint>

// The rules of the two voice dialogs that need no window: how the voice tree is grouped and
// pictured, which output list entry stands for which kind and engine, the test sentence for a
// voice, and a language's name as the user reads it.

// One vendor node of the voice tree with the positions of its voices in the voice list.
struct TVendorGroup {
    QString Vendor;
    QList<int> Voices;
    bool operator==(const TVendorGroup &) const = default;
};

// Vendors in the order the list first meets them, each with its voices in list order. Vendors
// are told apart exactly, letter case included; a voice is never taken for a vendor, even when
// its name reads like one.
QList<TVendorGroup> GroupByVendor(const QList<TVoiceInfo> &voices);

// The tree's pictures: 0 a vendor, 1 a male voice, 2 a female voice, 3 any other voice.
enum TVoicePicture : std::uint8_t { vpVendor = 0, vpMale = 1, vpFemale = 2, vpOther = 3 };
TVoicePicture PictureOfVoice(std::int32_t genderCode);

// The output list: 0 "žádný", 1 "SAPI 5", 2 "CS-Voice".
constexpr int kOutputItemCount = 3;
// The kind started when the entry at `item` is chosen; vkNone for an entry outside the list.
TVoiceKind KindOfOutputItem(int item);
// The entry shown while `engine` speaks.
int OutputItemOfEngine(TVoiceEngine engine);
// Only the automation server and the system engine have settings of their own.
bool EngineHasSettings(TVoiceEngine engine);

// The sentence put into the test text after a voice is chosen: Czech for a Czech voice,
// English for any other.
QString SampleSentence(std::int32_t languageId);

// A locale identifier's language in its own words, with the region only when the locale names
// one apart from the language's home ("čeština", "English (United States)"); empty when the
// identifier is unknown.
QString LanguageName(std::int32_t localeId);
// The language shown for a voice: by its locale, else by the language tag that ends its Id
// ("zlw/cs"), else the text the voice list gave.
QString VoiceLanguageName(const TVoiceInfo &info);

// The description of the voice in use: its name and its language.
QString VoiceDescription(const TVoiceInfo &info);
// The test text as the engine gets it: every line followed by a carriage return and a line
// feed; nothing for an empty text.
QString TextWithLineBreaks(const QString &plain);
