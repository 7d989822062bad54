// The scan's spoken prompts: how soon a prompt's first sample reaches the audio output after
// the step asked for it, how much the end report lags behind the end of the prompt's sound (the
// wait a step adds beyond the prompt itself), and the CPU a prompted step costs.
#include "AudioOutput.h"
#include "SampleSink.h"
#include "SpVoice.h"
#include "Voice.h"
#include "VoicePrompts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when a stream's first sample arrives and how much sound it has made.
class TMeasuringSink final : public TSampleSink {
public:
    explicit TMeasuringSink(std::shared_ptr<TSampleSink> next)
        : FNext(std::move(next)) {}
    void Begin(int sampleRate, int channels) override {
        FNext->Begin(sampleRate, channels);
        std::lock_guard lock(FMutex);
        FRate = sampleRate;
    }
    void Write(const qint16 *samples, qsizetype count) override {
        {
            std::lock_guard lock(FMutex);
            if (!FFirst) {
                FFirst = true;
                FAt = Clock::now();
                FArrived.notify_all();
            }
            FSamples += count;
        }
        FNext->Write(samples, count);
    }
    void Purge() override { FNext->Purge(); }
    void Reset() {
        std::lock_guard lock(FMutex);
        FFirst = false;
        FSamples = 0;
    }
    Clock::time_point WaitForFirst() {
        std::unique_lock lock(FMutex);
        FArrived.wait(lock, [this] { return FFirst; });
        return FAt;
    }
    double SoundMs() {
        std::lock_guard lock(FMutex);
        return FRate > 0 ? double(FSamples) * 1000.0 / FRate : 0.0;
    }

private:
    std::shared_ptr<TSampleSink> FNext;
    std::mutex FMutex;
    std::condition_variable FArrived;
    bool FFirst = false;
    Clock::time_point FAt;
    qint64 FSamples = 0;
    int FRate = 0;
};

struct TPrompting {
    std::shared_ptr<TMeasuringSink> Sink =
        std::make_shared<TMeasuringSink>(std::make_shared<TAudioOutput>(250));
    TSpVoice *Engine = nullptr;
    TVoice Voice{{[this] {
                      auto engine = std::make_unique<TSpVoice>(Sink);
                      Engine = engine.get();
                      return engine;
                  },
                  nullptr, nullptr, nullptr, nullptr}};
    TVoicePrompts Prompts{Voice};
    TPrompting() {
        Voice.CreateSapiVoice();
        Engine->GetVoices(); // the engine is up
    }
    // Speaks one prompt and runs the event loop until its end is reported; the time taken.
    Clock::duration Speak(const QString &text) {
        Sink->Reset();
        const auto start = Clock::now();
        Prompts.SetOnPromptDone([] { QCoreApplication::quit(); });
        Prompts.SpeakPrompt(text, TPromptVoice{});
        QCoreApplication::exec();
        return Clock::now() - start;
    }
};

double CpuMs() {
    return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

const QString kPrompts[] = {QStringLiteral("řádek 3"), QStringLiteral("a"),
                            QStringLiteral("mezera"), QStringLiteral("smazat znak")};

// From the step's SpeakPrompt to the prompt's first sample at the audio output.
void BM_PromptFirstSample(benchmark::State &state) {
    TPrompting p;
    int i = 0;
    for (auto _ : state) {
        p.Sink->Reset();
        const auto start = Clock::now();
        p.Prompts.SpeakPrompt(kPrompts[i++ % 4], TPromptVoice{});
        const auto first = p.Sink->WaitForFirst();
        state.SetIterationTime(std::chrono::duration<double>(first - start).count());
        p.Prompts.CutPrompt();
        p.Engine->WaitUntilIdle();
    }
}

// How much longer than the prompt's own sound the step waits: from SpeakPrompt to the end
// report, less the length of the sound (the first sample's delay and the report's lag).
void BM_PromptWaitBeyondSound(benchmark::State &state) {
    TPrompting p;
    double worst = 0;
    int i = 0;
    for (auto _ : state) {
        const auto took = p.Speak(kPrompts[i++ % 4]);
        const double beyond =
            std::chrono::duration<double, std::milli>(took).count() - p.Sink->SoundMs();
        worst = std::max(worst, beyond);
        state.SetIterationTime(beyond / 1000.0);
    }
    state.counters["worst_beyond_ms"] = worst;
}

// The CPU of the whole process (synthesis included) for one prompted step, against the sound
// it makes; the step itself (cursor move, repaint) is measured in bench_scan.
void BM_PromptCpuPerStep(benchmark::State &state) {
    TPrompting p;
    double cpu = 0;
    double sound = 0;
    int i = 0;
    for (auto _ : state) {
        const double before = CpuMs();
        p.Speak(kPrompts[i++ % 4]);
        cpu += CpuMs() - before;
        sound += p.Sink->SoundMs();
    }
    state.counters["cpu_ms_per_prompt"] = cpu / double(state.iterations());
    state.counters["sound_ms_per_prompt"] = sound / double(state.iterations());
}

} // namespace

BENCHMARK(BM_PromptFirstSample)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PromptWaitBeyondSound)->UseManualTime()->Iterations(12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PromptCpuPerStep)->Iterations(12)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
