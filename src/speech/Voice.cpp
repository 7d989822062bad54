#include "Voice.h"

#include "AutomationObject.h"
#include "CodePage1250.h"
#include "DdeConversation.h"
#include "Shell.h"
#include "SoundPlayer.h"
#include "SpeechVoice.h"
#include "VoiceStrings.h"

#include <QDir>

namespace {

// What a launch reports when there is nothing to launch (the shell's "file not found").
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kLaunchSucceeded = 32; // results above this one are successes

} // namespace

TVoice::TVoice(TVoiceServices services)
    : FServices(std::move(services)) {}

TVoice::~TVoice() {
    // The main window normally closes the engine itself; an automation server must not be left
    // held when it did not.
    if (FActiveEngine != veNone)
        CloseVoice();
}

void TVoice::SapiVoiceReady() {
    LoadVoiceList();
    if (const std::optional<TVoiceSettings> waiting = std::exchange(FWaitingSettings, {});
        waiting && FSettingsKind == vkSapi5 && FSapiVoice && FSapiVoice->Ready() &&
        waiting->VoiceIndex >= 0 && waiting->VoiceIndex < VoiceTokens().size()) {
        const TVoiceToken token = VoiceTokens().at(waiting->VoiceIndex);
        if (FSapiVoice->SetVoice(token) && FSapiVoice->SetVolume(waiting->Volume))
            FSapiVoice->SetRate(waiting->Rate);
    }
}

void TVoice::CreateSapiVoice() {
    if (!FSapiVoice && FServices.MakeSapiVoice)
        FSapiVoice = FServices.MakeSapiVoice();
}

void TVoice::FreeSapiVoice() {
    FSapiVoice.reset();
    FVoiceTokens.clear();
    FVoiceTokensStale = false;
}

bool TVoice::StartVoice(std::uint8_t kind) {
    bool started = false;
    switch (kind) {
    case vkNone:
        CloseVoice();
        break;
    case vkAuto:
        started = StartComServer() || StartDdeServer() || StartSapi5();
        break;
    case vkCSVoice:
        started = StartComServer() || StartDdeServer();
        break;
    case vkSapi5:
        started = StartSapi5();
        break;
    default:
        break;
    }
    FSettingsKind = KindOfEngine(FActiveEngine);
    LoadVoiceList();
    return started;
}

bool TVoice::StartComServer() {
    TAutomationObject *server = FServices.Automation;
    if (!server || !server->Create(VoiceStrings::ComServerName))
        return false;
    FComHeld = true;
    const auto ready = server->Invoke(VoiceStrings::InitVoice, {0, 0, 0});
    if (!ready)
        return false;
    bool isNumber = false;
    if (ready->toInt(&isNumber) != 1 || !isNumber)
        return false;
    FActiveEngine = veComServer;
    return true;
}

bool TVoice::StartDdeServer() {
    if (!FServices.Shell || !FServices.Dde)
        return false;
    const auto command = FServices.Shell->OpenCommand(VoiceStrings::TlkSuffix);
    if (!command)
        return false;
    FSynthLaunch = FServices.Shell->ExecuteFile(CutCommand(*command), QString(),
                                                TShell::ShowMinimized, QDir::currentPath());
    if (FSynthLaunch <= kLaunchSucceeded) {
        FSynthLaunch = 0;
        return false;
    }
    FActiveEngine = veDdeServer;
    return true;
}

bool TVoice::StartSapi5() {
    if (!FSapiVoice)
        return false;
    FActiveEngine = veSapi5;
    return true;
}

void TVoice::LoadVoiceList() {
    // Asking the engine for its voices may wait for it to come up, so the list is fetched when
    // someone first looks at it rather than during every start.
    FVoiceTokens.clear();
    FVoiceTokensStale = true;
}

const QList<TVoiceToken> &TVoice::VoiceTokens() {
    if (FVoiceTokensStale) {
        FVoiceTokensStale = false;
        if (FSapiVoice)
            FVoiceTokens = FSapiVoice->GetVoices();
    }
    return FVoiceTokens;
}

bool TVoice::RefreshVoiceTokens() {
    if (!FSapiVoice || FVoiceTokensStale)
        return false;
    QList<TVoiceToken> fresh = FSapiVoice->GetVoices();
    if (fresh == FVoiceTokens)
        return false;
    FVoiceTokens = std::move(fresh);
    return true;
}

void TVoice::CloseVoice() {
    switch (FActiveEngine) {
    case veComServer:
        if (FServices.Automation) {
            FServices.Automation->Send(VoiceStrings::ReleaseVoice, {});
            FServices.Automation->Release();
        }
        FComHeld = false;
        break;
    case veDdeServer:
        // The synthesizer program keeps running: another program may be talking to it too.
        FSynthLaunch = 0;
        break;
    case veSapi5:
    case veNone:
        break;
    }
    FActiveEngine = veNone;
}

bool TVoice::SpeakText(const QString &text) {
    switch (FActiveEngine) {
    case veComServer:
        return SpeakComServer(text);
    case veDdeServer:
        return SpeakDde(text);
    case veSapi5:
        return SpeakSapi5(text);
    case veNone:
        break;
    }
    return false;
}

bool TVoice::SpeakComServer(const QString &text) {
    TAutomationObject *server = FServices.Automation;
    if (!server)
        return false;
    // The bus keeps the order of the calls; only the text's acceptance is waited for.
    server->Send(VoiceStrings::Reset, {});
    const auto accepted = server->Invoke(VoiceStrings::Say, {text});
    bool isNumber = false;
    return accepted && accepted->toInt(&isNumber) == 1 && isNumber;
}

QByteArray TVoice::DdeMacro(const QString &text) {
    QByteArray macro = "[say(\"" + CodePage1250::FromUnicode(text) + "\")]";
    macro.append('\0');
    return macro;
}

bool TVoice::SpeakDde(const QString &text) {
    if (!FServices.Dde)
        return false;
    return FServices.Dde->Execute(VoiceStrings::DdeService, VoiceStrings::DdeTopic, DdeMacro(text));
}

bool TVoice::SpeakSapi5(const QString &text) {
    return FSapiVoice && FSapiVoice->Speak(text);
}

void TVoice::StopSpeech() {
    if (FActiveEngine != veNone)
        SpeakText(QStringLiteral(" "));
}

bool TVoice::SpeakPrompt(const QString &text, const TPromptVoice &voice,
                         TSpeechVoice::TPromptHeard heard) {
    return FSapiVoice &&
           FSapiVoice->SpeakPrompt(text, voice.VoiceId, voice.Rate, voice.Volume, std::move(heard));
}

void TVoice::CutPrompt() {
    if (FSapiVoice)
        FSapiVoice->CutPrompt();
}

bool TVoice::PlaySoundFile(const QString &name) {
    return FServices.Sounds && FServices.Sounds->Play(name);
}

std::int32_t TVoice::ExecuteFile(const QString &file, const QString &parameters, int show,
                                 const QString &directory) {
    if (!FServices.Shell)
        return kFileNotFound;
    return FServices.Shell->ExecuteFile(file, parameters, show, directory);
}

QString TVoice::CutCommand(const QString &command) {
    const qsizetype percent = command.indexOf(QLatin1Char('%'));
    return percent < 0 ? command : command.left(percent);
}

TVoiceSettings TVoice::GetVoiceSettings() {
    // Until the engine is up, what was applied is what it will get.
    if (FWaitingSettings && FSettingsKind == vkSapi5 && FSapiVoice && !FSapiVoice->Ready()) {
        TVoiceSettings settings = *FWaitingSettings;
        settings.Kind = FSettingsKind;
        return settings;
    }
    TVoiceSettings settings;
    settings.Kind = FSettingsKind;
    if (FSettingsKind == vkSapi5 && FSapiVoice) {
        const TVoiceInfo current = ReadVoiceInfo(FSapiVoice->StoredVoice());
        settings.Volume = FSapiVoice->Volume();
        settings.Rate = FSapiVoice->Rate();
        settings.VoiceIndex = FindVoiceIndex(current.Id);
    }
    return settings;
}

bool TVoice::ApplyVoiceSettings(const TVoiceSettings &settings) {
    const bool started = StartVoice(settings.Kind);
    FWaitingSettings.reset();
    if (FSettingsKind == vkSapi5 && FSapiVoice && !FSapiVoice->Ready()) {
        FWaitingSettings = settings;
        return started;
    }
    // Volume and rate belong to the recorded voice; without a valid index the engine keeps its
    // own. The index is checked first so that a start without one never waits for the list.
    if (FSettingsKind == vkSapi5 && FSapiVoice && settings.VoiceIndex >= 0 &&
        settings.VoiceIndex < VoiceTokens().size()) {
        const TVoiceToken token = VoiceTokens().at(settings.VoiceIndex);
        if (FSapiVoice->SetVoice(token) && FSapiVoice->SetVolume(settings.Volume))
            FSapiVoice->SetRate(settings.Rate);
    }
    return started;
}

int TVoice::FindVoiceIndex(const QString &id) {
    const QList<TVoiceToken> &tokens = VoiceTokens();
    for (int i = 0; i < tokens.size(); ++i)
        if (ReadVoiceInfo(tokens.at(i)).Id == id)
            return i;
    return -1;
}
