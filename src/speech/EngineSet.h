#pragma once

#include <QString>
#include <functional>
#include <memory>

class TAudioRouting;
class TSoundPlayer;
class TSpeechVoice;

// The engines that speak and sound: eSpeak NG with the desktop's speech service, the sound
// player, and the sound server's outputs under them. They live in a module of their own,
// loaded after the window is on the screen, so that neither their libraries nor their start
// cost the first frame anything.
class TEngineSet {
public:
    enum class TOutput { Speech, Prompts, Sounds };
    // Reports, from an audio thread, that an output failed (with the reason) or came back (empty).
    using TOnHealth = std::function<void(TOutput output, const QString &error)>;

    virtual ~TEngineSet() = default;
    // The system speech engine, handed over once; up, with its voices known.
    virtual std::unique_ptr<TSpeechVoice> TakeVoice() = 0;
    virtual TSoundPlayer &Sounds() = 0;
    virtual TAudioRouting &Routing() = 0;
    virtual void SetOnHealth(TOnHealth onHealth) = 0;
};

struct TEngineOptions {
    // The language tag of the voice that speaks until the user chooses one.
    QString Language;
    // The sound that stands for any sound that cannot be found.
    QString DefaultSound;
};

// The module's one entry: makes the engines and waits until the speech engine is up (so it is
// called on a thread of its own). Never throws; null when the engines cannot be made.
extern "C" {
using TMakeEngines = TEngineSet *(*)(const TEngineOptions *options);
}
inline constexpr char MakeEnginesSymbol[] = "orvanta_make_engines";
