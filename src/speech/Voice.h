#pragma once

#include "PromptSpeech.h"
#include "SpeechVoice.h"
#include "VoiceInfo.h"
#include "VoiceSettings.h"
#include "VoiceToken.h"
#include "VoiceTypes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class TAutomationObject;
class TDdeConversation;
class TShell;
class TSoundPlayer;
class TSpeechVoice;

// The outside services the voice unit drives. None is owned; any may be absent, and an absent
// one behaves as an engine that is not installed.
struct TVoiceServices {
    // Makes the system speech engine; called when the main window creates it.
    std::function<std::unique_ptr<TSpeechVoice>()> MakeSapiVoice;
    TAutomationObject *Automation = nullptr;
    TDdeConversation *Dde = nullptr;
    TSoundPlayer *Sounds = nullptr;
    TShell *Shell = nullptr;
};

// The program's one speech output over three engines (the CS-Voice automation server, the
// CS-Voice command server with its synthesizer program, the system engine), plus playing sounds
// and opening files. Used from the user-interface thread only; no call waits for speech.
class TVoice {
public:
    explicit TVoice(TVoiceServices services);
    ~TVoice();
    TVoice(const TVoice &) = delete;
    TVoice &operator=(const TVoice &) = delete;

    TVoiceEngine ActiveEngine() const { return FActiveEngine; }
    TVoiceKind SettingsKind() const { return FSettingsKind; }
    // The system voices as of the last start, fetched on first use after it.
    const QList<TVoiceToken> &VoiceTokens();
    // Fetches the voices again (the desktop's speech service lists its voices some time after the
    // start, and may go); true when they differ from what VoiceTokens gave.
    bool RefreshVoiceTokens();
    // The automation server once it has been started, else none.
    TAutomationObject *ComVoice() const { return FComHeld ? FServices.Automation : nullptr; }
    std::int32_t SynthLaunch() const { return FSynthLaunch; }
    TSpeechVoice *SapiVoice() const { return FSapiVoice.get(); }

    // The system engine is made by the main window before the configuration is read and
    // freed when it goes; without it the system engine cannot be started.
    void CreateSapiVoice();
    void FreeSapiVoice();
    // The system engine has come up (see TSpeechVoice::Ready): its voice list is fetched anew
    // and the voice settings applied while it was coming up are given to it.
    void SapiVoiceReady();

    // True when an engine of `kind` runs afterwards. Only vkNone releases the engine in use; a
    // failed start leaves it running.
    bool StartVoice(std::uint8_t kind);
    void CloseVoice();
    // Hands `text` to the engine in use; false with none or when it refuses.
    bool SpeakText(const QString &text);
    void StopSpeech();
    // A scan prompt through the system engine, whichever engine speaks texts; false without
    // the system engine.
    bool SpeakPrompt(const QString &text, const TPromptVoice &voice,
                     TSpeechVoice::TPromptHeard heard);
    void CutPrompt();
    bool PlaySoundFile(const QString &name);
    std::int32_t ExecuteFile(const QString &file, const QString &parameters, int show,
                             const QString &directory);

    TVoiceSettings GetVoiceSettings();
    bool ApplyVoiceSettings(const TVoiceSettings &settings);
    int FindVoiceIndex(const QString &id);
    void LoadVoiceList();

    // The command the CS-Voice server is sent for `text`: [say("text")] in the 8-bit code page
    // with a terminating zero; nothing in the text is escaped.
    static QByteArray DdeMacro(const QString &text);
    // The synthesizer program's command: the association's command cut at its first "%".
    static QString CutCommand(const QString &command);

private:
    bool StartComServer();
    bool StartDdeServer();
    bool StartSapi5();
    bool SpeakComServer(const QString &text);
    bool SpeakDde(const QString &text);
    bool SpeakSapi5(const QString &text);

    TVoiceServices FServices;
    TVoiceEngine FActiveEngine = veNone;
    TVoiceKind FSettingsKind = vkNone;
    QList<TVoiceToken> FVoiceTokens;
    bool FVoiceTokensStale = false;
    bool FComHeld = false;
    std::int32_t FSynthLaunch = 0;
    std::unique_ptr<TSpeechVoice> FSapiVoice;
    // Settings applied before the system engine was up, for it to get once it is.
    std::optional<TVoiceSettings> FWaitingSettings;
};
