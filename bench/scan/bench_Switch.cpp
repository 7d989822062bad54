// A switch release through the whole in-process path (switch filter -> grid -> key click), and
// the work of one scan timer step.
#include "SwitchFilter.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

// The main window's keyboard: a 10 x 6 grid full of keys.
struct TKeyboard {
    QWidget Window;
    TTimeGrid *Grid = new TTimeGrid(&Window);
    qint64 Clicks = 0;

    TKeyboard() {
        Window.resize(634, 266);
        Grid->setGeometry(Window.rect());
        Grid->SetnCol(10);
        Grid->SetnRow(6);
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 10; ++c) {
                auto *key = new TVxKey(Grid);
                key->SetText(QStringLiteral("%1").arg(QChar(u'a' + (c + r * 10) % 26)));
                Grid->PutCell(c, r, key);
                QObject::connect(key, &TVxKey::VxKClick, &Window, [this] { ++Clicks; });
            }
        }
        Grid->ArrangeCells();
        Window.show();
        QCoreApplication::processEvents();
    }
};

void SendKey(QWidget *to, QEvent::Type type) {
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(to, &event);
}

// From the release of switch 1 to the click of the key under the cursor; with argument 1 also
// the repaint that follows (the key and the cursor cell). The cell sweep stays on its row
// (smStayOnRow), so every release selects again.
void BM_SwitchReleaseToClick(benchmark::State &state) {
    TKeyboard keyboard;
    keyboard.Grid->SetScanModes(smStayOnRow);
    keyboard.Grid->SetiCol(4);
    keyboard.Grid->SetiRow(2);
    keyboard.Grid->SetScanPhase(0);
    TSwitchFilter filter;
    qint64 now = 1000;
    filter.SetClock([&now] { return now; });
    filter.SetReceiver(keyboard.Grid);
    filter.SetKeyHook(true);
    const bool repaint = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        QCoreApplication::processEvents(); // the repaints of the last click
        SendKey(keyboard.Grid, QEvent::KeyPress);
        now += 100;
        state.ResumeTiming();
        SendKey(keyboard.Grid, QEvent::KeyRelease);
        if (repaint)
            QCoreApplication::processEvents();
    }
    state.counters["clicks/release"] = double(keyboard.Clicks) / double(state.iterations());
}

// One tick of the scan timer: the machine, the cursor move and the repaint it asks for. At one
// tick per second the share of one core is the CPU time per tick over 1 s (10 us = 0.001 %).
void BM_ScanTick(benchmark::State &state) {
    TKeyboard keyboard;
    keyboard.Grid->SetScanPhase(quint8(state.range(0)));
    keyboard.Grid->SetPointByMouse(state.range(1) != 0);
    for (auto _ : state) {
        keyboard.Grid->ScanTick();
        QCoreApplication::processEvents();
    }
    state.counters["core % at 1 s steps"] =
        benchmark::Counter(double(state.iterations()) / 100.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_SwitchReleaseToClick)
    ->ArgName("repaint")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanTick)
    ->ArgNames({"phase", "pointer"})
    ->Args({0, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace
