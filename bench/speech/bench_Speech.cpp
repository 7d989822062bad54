// Speech from the caller's side: how long SpeakText keeps the caller, how soon the first sample
// of a short Czech word reaches the audio output, and how evenly a scan-step timer ticks on the
// user-interface thread while a long text is spoken.
#include "AudioOutput.h"
#include "DBusAutomation.h"
#include "DesktopShell.h"
#include "LocalSocketDde.h"
#include "SampleSink.h"
#include "SpVoice.h"
#include "Voice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

const QString kLongText = QStringLiteral(
    "Dobrý den. Jmenuji se Petr a tento dlouhý text čtu proto, aby bylo vidět, že klávesnice "
    "odpovídá i ve chvíli, kdy hlasový výstup mluví. Kurzor skenování se posouvá dál, "
    "přepínače reagují hned a nic nečeká na konec věty.");

// Notes when the first sample of each stream arrives and passes everything on.
class TFirstSampleSink final : public TSampleSink {
public:
    explicit TFirstSampleSink(std::shared_ptr<TSampleSink> next)
        : FNext(std::move(next)) {}
    void Begin(int sampleRate, int channels) override {
        FNext->Begin(sampleRate, channels);
        std::lock_guard lock(FMutex);
        FFirst = false;
    }
    void Write(const qint16 *samples, qsizetype count) override {
        {
            std::lock_guard lock(FMutex);
            if (!FFirst) {
                FFirst = true;
                FAt = Clock::now();
                FArrived.notify_all();
            }
        }
        FNext->Write(samples, count);
    }
    void Purge() override {
        FNext->Purge();
        std::lock_guard lock(FMutex);
        FFirst = false;
    }
    Clock::time_point WaitForFirst() {
        std::unique_lock lock(FMutex);
        FArrived.wait(lock, [this] { return FFirst; });
        return FAt;
    }

private:
    std::shared_ptr<TSampleSink> FNext;
    std::mutex FMutex;
    std::condition_variable FArrived;
    bool FFirst = false;
    Clock::time_point FAt;
};

struct TSpeaking {
    std::shared_ptr<TFirstSampleSink> Sink =
        std::make_shared<TFirstSampleSink>(std::make_shared<TAudioOutput>(250));
    TSpVoice *Engine = nullptr;
    TVoice Voice{{[this] {
                      auto engine = std::make_unique<TSpVoice>(Sink);
                      Engine = engine.get();
                      return engine;
                  },
                  nullptr, nullptr, nullptr, nullptr}};
    TSpeaking() {
        Voice.CreateSapiVoice();
        Voice.StartVoice(vkSapi5);
        Engine->GetVoices(); // the engine is up
    }
};

// The caller's time in SpeakText while the engine is busy with the text before.
void BM_SpeakTextReturns(benchmark::State &state) {
    TSpeaking speaking;
    for (auto _ : state)
        benchmark::DoNotOptimize(speaking.Voice.SpeakText(kLongText));
    speaking.Voice.StopSpeech();
    speaking.Engine->WaitUntilIdle();
}

// From SpeakText to the first sample of "Ahoj" handed to the audio output.
void BM_FirstSampleOfAShortWord(benchmark::State &state) {
    TSpeaking speaking;
    for (auto _ : state) {
        const auto start = Clock::now();
        speaking.Voice.SpeakText(QStringLiteral("Ahoj"));
        const auto first = speaking.Sink->WaitForFirst();
        state.SetIterationTime(std::chrono::duration<double>(first - start).count());
        speaking.Engine->WaitUntilIdle();
    }
}

// A precise 100 ms timer on this thread (the scan step) while the long text is spoken
// repeatedly; reports the largest deviation of a step from its period.
void BM_ScanStepWhileSpeaking(benchmark::State &state) {
    TSpeaking speaking;
    for (auto _ : state) {
        QTimer step;
        step.setTimerType(Qt::PreciseTimer);
        step.setInterval(100);
        QElapsedTimer clock;
        qint64 last = -1;
        qint64 worst = 0;
        int ticks = 0;
        QObject::connect(&step, &QTimer::timeout, &step, [&] {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0)
                worst = std::max(worst, std::abs(now - last - 100'000'000));
            last = now;
            if (++ticks % 10 == 0)
                speaking.Voice.SpeakText(kLongText);
            if (ticks == 40)
                QCoreApplication::quit();
        });
        speaking.Voice.SpeakText(kLongText);
        clock.start();
        step.start();
        QCoreApplication::exec();
        state.counters["worst_deviation_ms"] = double(worst) / 1e6;
    }
    speaking.Voice.StopSpeech();
    speaking.Engine->WaitUntilIdle();
}

// What the window's start-up spends on speech: making the system engine and the automatic
// start (the automation server and the command server's association are looked for first).
void BM_StartAutomatically(benchmark::State &state) {
    for (auto _ : state) {
        TDBusAutomation automation;
        TLocalSocketDde dde;
        TDesktopShell shell;
        TVoice voice(
            {[] { return std::make_unique<TSpVoice>(); }, &automation, &dde, nullptr, &shell});
        voice.CreateSapiVoice();
        if (!voice.ApplyVoiceSettings(TVoiceSettings{vkAuto, -1, 100, 0}))
            state.SkipWithError("no speech engine started");
        state.PauseTiming();
        voice.CloseVoice();
        voice.FreeSapiVoice();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_StartAutomatically)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SpeakTextReturns)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstSampleOfAShortWord)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanStepWhileSpeaking)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
