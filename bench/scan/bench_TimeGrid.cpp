// One scan step: a cursor move and the repaint it causes, through Qt's own repaint path, on a
// grid full of painted keys.
#include "TimeGrid.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Counts what the grid is asked to paint, so the figures show that a step stays small.
class TCountingGrid : public TTimeGrid {
public:
    using TTimeGrid::TTimeGrid;
    qint64 Paints = 0;
    qint64 PaintedPixels = 0;

protected:
    void paintEvent(QPaintEvent *event) override {
        ++Paints;
        for (const QRect &r : event->region())
            PaintedPixels += qint64(r.width()) * r.height();
        TTimeGrid::paintEvent(event);
    }
};

// A key stand-in that paints a face and a frame, as keys do.
class TPaintedKey : public QWidget {
public:
    using QWidget::QWidget;
    qint64 Paints = 0;

protected:
    void paintEvent(QPaintEvent *) override {
        ++Paints;
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xF0, 0xF0, 0xE0));
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

struct TFixture {
    TCountingGrid Grid;
    QList<TPaintedKey *> Keys;

    TFixture(int cols, int rows, TScanModes modes = {}) {
        Grid.resize(std::max(634, cols * 20), std::max(266, rows * 20));
        Grid.SetnCol(cols);
        Grid.SetnRow(rows);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                Keys.append(new TPaintedKey(&Grid));
                Grid.PutCell(c, r, Keys.last());
            }
        }
        Grid.ArrangeCells();
        Grid.SetiCol(0);
        Grid.SetiRow(0);
        Grid.SetScanModes(modes);
        Grid.show();
        QCoreApplication::processEvents();
        Grid.Paints = 0;
        Grid.PaintedPixels = 0;
        for (TPaintedKey *key : Keys)
            key->Paints = 0;
    }

    void Report(benchmark::State &state) const {
        qint64 keyPaints = 0;
        for (const TPaintedKey *key : Keys)
            keyPaints += key->Paints;
        const double steps = double(state.iterations());
        state.counters["paints/step"] = double(Grid.Paints) / steps;
        state.counters["px/step"] = double(Grid.PaintedPixels) / steps;
        state.counters["grid px"] = double(Grid.width()) * Grid.height();
        state.counters["key paints/step"] = double(keyPaints) / steps;
    }
};

// The cell sweep: the cursor cell walks along the row.
void BM_CellStep(benchmark::State &state) {
    TFixture f(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        f.Grid.SetiCol(f.Grid.iCol() + 1 < f.Grid.nCol() ? f.Grid.iCol() + 1 : 0);
        QCoreApplication::processEvents(); // Qt repaints the requested region here
    }
    f.Report(state);
}

// The row sweep: the highlighted row walks down, with the X cursor showing the column too.
void BM_RowStep(benchmark::State &state) {
    TFixture f(int(state.range(0)), int(state.range(1)), smShowX);
    for (auto _ : state) {
        f.Grid.SetiRow(f.Grid.iRow() + 1 < f.Grid.nRow() ? f.Grid.iRow() + 1 : 0);
        QCoreApplication::processEvents();
    }
    f.Report(state);
}

// For comparison: the whole grid with its keys painted into an image.
void BM_WholeGrid(benchmark::State &state) {
    TFixture f(int(state.range(0)), int(state.range(1)));
    QImage image(f.Grid.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        f.Grid.render(&image);
}

BENCHMARK(BM_CellStep)->Args({10, 6})->Args({100, 100})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RowStep)->Args({10, 6})->Args({100, 100})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeGrid)->Args({10, 6})->Args({100, 100})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
