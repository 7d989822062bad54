// The engines' module: eSpeak NG, the desktop's speech service and the sound server's outputs,
// with the libraries they bring, loaded by the program once its window is on the screen.
#include "AudioOutput.h"
#include "EngineSet.h"
#include "PulseRouting.h"
#include "QtSoundPlayer.h"
#include "SpVoice.h"
#include "SpdVoice.h"
#include "SystemVoice.h"

#include <exception>

namespace {

class TModuleEngines final : public TEngineSet {
public:
    explicit TModuleEngines(const TEngineOptions &options)
        : FSounds(options.DefaultSound, FSoundOut) {
        auto embedded = std::make_unique<TSpVoice>(FSpeechOut, options.Language, FPromptOut);
        // Up, with its voices: nobody on the user-interface thread waits for that.
        embedded->GetVoices();
        FVoice = std::make_unique<TSystemVoice>(std::move(embedded), std::make_unique<TSpdVoice>());
    }

    std::unique_ptr<TSpeechVoice> TakeVoice() override { return std::move(FVoice); }
    TSoundPlayer &Sounds() override { return FSounds; }
    TAudioRouting &Routing() override { return FRouting; }
    void SetOnHealth(TOnHealth onHealth) override {
        const auto watch = [&onHealth](TAudioOutput &out, TOutput which) {
            if (!onHealth) {
                out.SetOnHealth({});
                return;
            }
            out.SetOnHealth([onHealth, which](const QString &error) { onHealth(which, error); });
        };
        watch(*FSpeechOut, TOutput::Speech);
        watch(*FPromptOut, TOutput::Prompts);
        watch(*FSoundOut, TOutput::Sounds);
    }

private:
    // Speech, the scan's prompts and sounds each have an output of their own, which outlives the
    // engines using it; the prompts may play on another device (the user's headphones).
    const std::shared_ptr<TAudioOutput> FSpeechOut =
        std::make_shared<TAudioOutput>(TSpVoice::QueueMs);
    const std::shared_ptr<TAudioOutput> FPromptOut =
        std::make_shared<TAudioOutput>(TSpVoice::QueueMs);
    const std::shared_ptr<TAudioOutput> FSoundOut =
        std::make_shared<TAudioOutput>(TQtSoundPlayer::QueueMs);
    TQtSoundPlayer FSounds;
    TPulseRouting FRouting{FSpeechOut, FPromptOut, FSoundOut};
    std::unique_ptr<TSpeechVoice> FVoice;
};

} // namespace

extern "C" Q_DECL_EXPORT TEngineSet *orvanta_make_engines(const TEngineOptions *options) {
    try {
        return new TModuleEngines(*options);
    } catch (const std::exception &) {
        return nullptr;
    }
}
