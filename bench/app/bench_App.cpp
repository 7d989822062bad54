// The main window's costs: start-up to the first painted window with the bundled table, a key
// activation to its text in the display, and loading tables of several sizes.
#include "Directories.h"
#include "MainForm.h"
#include "Picture.h"
#include "ScriptedPrompts.h"
#include "TableFormat.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

TScriptedPrompts gPrompts;

void UseProgramDirs() {
    const QString program = QStringLiteral(ORVANTA_PROGRAM_DIR);
    Dirs() = DeriveDirectories(program, program + QStringLiteral("orvanta"),
                               [](const QString &) { return false; });
}

// A scanning table of nCol x nRow keys, each with a JPEG symbol.
QString MakeTable(const QTemporaryDir &dir, int nCol, int nRow) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setBrush(Qt::red);
    p.drawEllipse(8, 8, 48, 48);
    p.end();
    const TPicture symbol = TPicture::FromImageAsJpeg(image);
    QWidget parent;
    TTableFile table;
    table.nCol = nCol;
    table.nRow = nRow;
    for (int r = 0; r < nRow; ++r) {
        for (int c = 0; c < nCol; ++c) {
            TVxKey key(&parent);
            key.SetText(QStringLiteral("k%1").arg(r * nCol + c));
            key.SetSymbol(symbol);
            QBuffer b;
            b.open(QIODevice::WriteOnly);
            key.SaveToStream(&b);
            table.Keys.append(TTableKey{c, r, b.data()});
        }
    }
    const QString path = dir.filePath(QStringLiteral("t%1x%2.kbt").arg(nCol).arg(nRow));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    WriteTableFile(&f, table);
    return path;
}

void BM_StartupToFirstPaint(benchmark::State &state) {
    UseProgramDirs();
    const bool bundled = QFile::exists(Dirs().TablesDir + QStringLiteral("index.kbt"));
    const QStringList args = bundled ? QStringList{QStringLiteral("index.kbt")} : QStringList{};
    for (auto _ : state) {
        TForm1 form(args);
        form.show();
        QImage shot = form.grab().toImage();
        benchmark::DoNotOptimize(shot);
    }
    state.SetLabel(bundled ? "bundled index.kbt" : "no bundled table found");
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LoadTable(benchmark::State &state) {
    UseProgramDirs();
    QTemporaryDir dir;
    const QString path = MakeTable(dir, int(state.range(0)), int(state.range(1)));
    TForm1 form({});
    form.show();
    for (auto _ : state) {
        form.LoadTable(path);
        form.TimeGrid1->repaint();
    }
    state.counters["keys"] = double(form.Keys().size());
}
BENCHMARK(BM_LoadTable)
    ->Args({10, 6})
    ->Args({100, 100})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_KeyToDisplay(benchmark::State &state) {
    UseProgramDirs();
    TForm1 form({});
    form.show();
    form.SetEditMode(true);
    form.New2Click();
    form.SetEditMode(false);
    TVxKey *key = form.Keys().constFirst();
    key->SetText(QStringLiteral("ahoj"));
    for (auto _ : state) {
        key->SendKeyClick();
        if (form.Display->document()->characterCount() > 100000)
            form.Display->clear();
    }
}
BENCHMARK(BM_KeyToDisplay)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetPrompts(&gPrompts);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetPrompts(nullptr);
    return 0;
}
