#pragma once

#include "ScriptedPrompts.h"
#include "Voice.h"
#include "VoiceFakes.h"

#include <memory>

// The voice unit over recording engines, with voices a test chooses.
struct TVoiceRig {
    TScriptedPrompts Prompts;
    TFakeAutomation Automation;
    TFakeDde Dde;
    TFakeShell Shell;
    TFakeSapiVoice *Sapi = nullptr; // owned by Voice once created
    QList<TVoiceToken> Voices;
    std::unique_ptr<TVoice> Voice;

    explicit TVoiceRig(QList<TVoiceToken> voices = {}, bool withSapi = true)
        : Voices(std::move(voices)) {
        SetPrompts(&Prompts);
        TVoiceServices services;
        if (withSapi)
            services.MakeSapiVoice = [this] {
                auto sapi = std::make_unique<TFakeSapiVoice>();
                sapi->Voices = Voices;
                if (!Voices.isEmpty())
                    sapi->Current = Voices.constFirst();
                Sapi = sapi.get();
                return std::unique_ptr<TSpeechVoice>(std::move(sapi));
            };
        services.Automation = &Automation;
        services.Dde = &Dde;
        services.Shell = &Shell;
        Voice = std::make_unique<TVoice>(std::move(services));
        Voice->CreateSapiVoice();
    }
    ~TVoiceRig() { SetPrompts(nullptr); }

    static TVoiceToken Token(const char *id, const char *name, const char *vendor,
                             const char *gender = nullptr, const char *language = nullptr) {
        TVoiceToken token;
        token.Id = QString::fromUtf8(id);
        token.Attributes.insert(QStringLiteral("Name"), QString::fromUtf8(name));
        token.Attributes.insert(QStringLiteral("Vendor"), QString::fromUtf8(vendor));
        if (gender)
            token.Attributes.insert(QStringLiteral("Gender"), QString::fromUtf8(gender));
        if (language)
            token.Attributes.insert(QStringLiteral("Language"), QString::fromUtf8(language));
        return token;
    }
    // Two vendors, the first with two voices.
    static QList<TVoiceToken> ThreeVoices() {
        return {Token("cs", "Czech", "eSpeak NG", "Male", "405"),
                Token("en", "English", "eSpeak NG", "Female", "409"),
                Token("robot", "Robot", "Other", nullptr, nullptr)};
    }
};
