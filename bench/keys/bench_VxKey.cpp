// Painting one 100 x 100 key with a text and a JPEG symbol, through the key's own paint path.
#include "VxKey.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// A photo-like symbol: smooth gradients compress as real pictures do.
TPicture MakeJpegSymbol() {
    QImage image(240, 180, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, (x * y) % 256, 255 - y));
    return TPicture::FromImageAsJpeg(image);
}

void SetUpKey(TVxKey &key, const TPicture &symbol) {
    key.resize(100, 100);
    key.SetText(QStringLiteral("Čaj"));
    key.SetSymbol(symbol);
    key.SetAspect(0.75);
}

// The steady state: the symbol is decoded once and every repaint draws the cached image.
void BM_PaintKey(benchmark::State &state) {
    TVxKey key;
    SetUpKey(key, MakeJpegSymbol());
    QImage target(100, 100, QImage::Format_ARGB32_Premultiplied);
    key.render(&target); // decodes the symbol
    for (auto _ : state) {
        key.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintKey)->Unit(benchmark::kMicrosecond);

// The first paint after a table is loaded: the JPEG data is decoded as part of the paint.
void BM_PaintKeyFirstTime(benchmark::State &state) {
    const QByteArray data = MakeJpegSymbol().ToSymbolData();
    TVxKey key;
    SetUpKey(key, TPicture());
    QImage target(100, 100, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        key.SetSymbol(TPicture::FromSymbolData(data));
        key.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintKeyFirstTime)->Unit(benchmark::kMicrosecond);

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
