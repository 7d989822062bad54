// The settings dialogs the main window builds at start-up, and the grid dialog's round trip
// from the grid to its controls and back (what a showing and OK cost).
#include "GridDlg.h"
#include "KeySettingDlg.h"
#include "TimeGrid.h"

#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void BM_CreateGridDialog(benchmark::State &state) {
    for (auto _ : state) {
        TGridDialog dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_CreateGridDialog)->Unit(benchmark::kMillisecond);

void BM_CreateKeySettingDlg(benchmark::State &state) {
    for (auto _ : state) {
        TKeySettingDlg dialog;
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_CreateKeySettingDlg)->Unit(benchmark::kMillisecond);

void BM_GridFillApply(benchmark::State &state) {
    TTimeGrid grid;
    grid.SetSwCode1(32);
    grid.SetSwCode2(13);
    QTimer timer;
    TGridDialog dialog;
    dialog.SetScanTimer(&timer);
    for (auto _ : state) {
        dialog.FillFromGrid(&grid);
        dialog.ApplyToGrid(&grid);
    }
}
BENCHMARK(BM_GridFillApply)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
