// What typing into another application costs: turning a key's text into key codes, and the
// whole way to the X server (the map read afresh, the fake key events, the flush) where one
// runs. Under Xvfb: xvfb-run bench_keystrokes.
#include "KeystrokeTranslator.h"
#include "OutsideTyping.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <xkbcommon/xkbcommon.h>

namespace {

class TNullSink final : public TKeystrokeSink {
public:
    void Send(const TKeystroke &s) override { benchmark::DoNotOptimize(s); }
};

TKeyMap UsLetters() {
    TKeyMap map;
    const char *letters = "qwertyuiopasdfghjklzxcvbnm";
    for (int i = 0; letters[i]; ++i)
        map.Set(24 + i, {uint32_t(letters[i]), uint32_t(letters[i] - 'a' + 'A')});
    map.Set(50, {XKB_KEY_Shift_L});
    map.Set(65, {XKB_KEY_space});
    return map;
}

void BM_TranslateSentence(benchmark::State &state) {
    TNullSink sink;
    TKeystrokeTranslator translator(UsLetters(), sink);
    translator.SetReserved({65});
    const QString text = QStringLiteral("Dobrý den, jak se máš? ");
    for (auto _ : state)
        translator.TypeText(text);
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TranslateSentence);

std::unique_ptr<TKeyOutput> XOutput() {
    static OutsideTyping::TParts parts = OutsideTyping::Make();
    return std::move(parts.Output);
}

// One key's text to the X server: a letter of the map, and a Czech letter on a borrowed code.
void BM_XTestLetter(benchmark::State &state) {
    static std::unique_ptr<TKeyOutput> output = XOutput();
    if (!output) {
        state.SkipWithError("no X server with XTest");
        return;
    }
    const QString text = state.range(0) ? QStringLiteral("ř") : QStringLiteral("a");
    for (auto _ : state)
        output->TypeText(text);
    output->Restore();
}
BENCHMARK(BM_XTestLetter)->Arg(0)->Arg(1);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
