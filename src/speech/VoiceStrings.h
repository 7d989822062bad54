#pragma once

#include "TText.h"

#include <QString>

// A TText is translated into the interface language where it is used; a TFixedText is the
// same in every language: names of files, formats and outside programs, and the texts the
// program has always shown in English.
//
// The speech unit's own texts and names, exactly as the user and the outside engines see them.
namespace VoiceStrings {

// Shown at start-up when no speech engine could be started.
inline constexpr auto NoSynthesizer =
    TText("VoiceStrings",
          "Hlasový syntezátor nebyl nalezen.\rProgram bude fungovat bez hlasového výstupu.");
// Placeholder of a voice attribute that is missing.
inline constexpr auto Unknown = TText("VoiceStrings", "neznámý");
inline constexpr TFixedText UnknownLanguage = u"<unknown>";
inline constexpr auto SoundFailed = TText("VoiceStrings", "Zvuk nelze přehrát.");

// The vendor our system voices report.
inline constexpr TFixedText Vendor = u"eSpeak NG";
// The desktop's speech service's voices are grouped by its output module.
inline constexpr TFixedText ServiceVendor = u"%1 (Speech Dispatcher)";

// The automation server's well-known name on the session bus, and its methods.
inline constexpr TFixedText ComServerName = u"TOOLCV.VBVOICE";
inline constexpr TFixedText InitVoice = u"InitVoice";
inline constexpr TFixedText Reset = u"Reset";
inline constexpr TFixedText Say = u"Say";
inline constexpr TFixedText ConfigureVoice = u"ConfigureVoice";
inline constexpr TFixedText ResetAfterConfigure = u"reset";
inline constexpr TFixedText ReleaseVoice = u"ReleaseVoice";

// The DDE stand-in: the server's socket name, its topic and the file type of its program.
inline constexpr TFixedText DdeService = u"CSVOICE";
inline constexpr TFixedText DdeTopic = u"SYSTEM";
inline constexpr TFixedText TlkSuffix = u"tlk";

// What the hidden "XML" button of the main window reads aloud: a little of every markup element.
inline constexpr auto XmlDemo =
    TText("VoiceStrings",
          "<volume level=\"100\">Dobrý den.</volume> "
          "<rate speed=\"-4\">Teď mluvím pomalu,</rate> <rate speed=\"6\">a teď rychle.</rate> "
          "<pitch middle=\"6\">Vysoko,</pitch> <pitch middle=\"-6\">nízko.</pitch> "
          "<silence msec=\"600\"/><emph>Důraz.</emph> Hláskuji: <spell>AHOJ</spell>.");

} // namespace VoiceStrings
