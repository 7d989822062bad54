#pragma once

#include "TText.h"

#include <QString>

// A TText is translated into the interface language where it is used; a plain QString is the
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
inline const QString UnknownLanguage = QStringLiteral("<unknown>");
inline constexpr auto SoundFailed = TText("VoiceStrings", "Zvuk nelze přehrát.");

// The vendor our system voices report.
inline const QString Vendor = QStringLiteral("eSpeak NG");
// The desktop's speech service's voices are grouped by its output module.
inline const QString ServiceVendor = QStringLiteral("%1 (Speech Dispatcher)");

// The automation server's well-known name on the session bus, and its methods.
inline const QString ComServerName = QStringLiteral("TOOLCV.VBVOICE");
inline const QString InitVoice = QStringLiteral("InitVoice");
inline const QString Reset = QStringLiteral("Reset");
inline const QString Say = QStringLiteral("Say");
inline const QString ConfigureVoice = QStringLiteral("ConfigureVoice");
inline const QString ResetAfterConfigure = QStringLiteral("reset");
inline const QString ReleaseVoice = QStringLiteral("ReleaseVoice");

// The DDE stand-in: the server's socket name, its topic and the file type of its program.
inline const QString DdeService = QStringLiteral("CSVOICE");
inline const QString DdeTopic = QStringLiteral("SYSTEM");
inline const QString TlkSuffix = QStringLiteral("tlk");

// What the hidden "XML" button of the main window reads aloud: a little of every markup element.
inline constexpr auto XmlDemo =
    TText("VoiceStrings",
          "<volume level=\"100\">Dobrý den.</volume> "
          "<rate speed=\"-4\">Teď mluvím pomalu,</rate> <rate speed=\"6\">a teď rychle.</rate> "
          "<pitch middle=\"6\">Vysoko,</pitch> <pitch middle=\"-6\">nízko.</pitch> "
          "<silence msec=\"600\"/><emph>Důraz.</emph> Hláskuji: <spell>AHOJ</spell>.");

} // namespace VoiceStrings
