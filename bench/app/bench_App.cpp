// The main window's costs: start-up to the first painted window with the bundled table, a key
// activation and a switch release to the text in the display, and loading tables of several
// sizes.
#include "Directories.h"
#include "MainForm.h"
#include "Picture.h"
#include "ScriptedPrompts.h"
#include "SwitchFilter.h"
#include "TableFormat.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
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
        if (form.Display->document()->characterCount() > state.range(0))
            form.Display->clear();
    }
}
// The argument: the longest the text grows before it is cleared (a short message, a long talk).
BENCHMARK(BM_KeyToDisplay)->Arg(2000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Counts the paint events that reach keys.
class TKeyPaints : public QObject {
public:
    qint64 Count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && qobject_cast<TVxKey *>(watched))
            ++Count;
        return false;
    }
};

// One scan timer step on the bundled letter keyboard: the cursor moves and the cells it left and
// entered are repainted (argument 0: the cell sweep, 1: the row sweep).
void BM_ScanStep(benchmark::State &state) {
    UseProgramDirs();
    if (!QFile::exists(Dirs().TablesDir + QStringLiteral("index.kbt"))) {
        state.SkipWithError("no bundled table found");
        return;
    }
    TForm1 form({QStringLiteral("index.kbt")});
    form.show();
    form.Timer2->stop();
    form.TimeGrid1->SetScanPhase(state.range(0) == 0 ? 0 : 2);
    QCoreApplication::processEvents();
    TKeyPaints paints;
    qApp->installEventFilter(&paints);
    for (auto _ : state) {
        form.Timer2Timer();
        QCoreApplication::processEvents();
    }
    qApp->removeEventFilter(&paints);
    state.counters["key paints per step"] =
        double(paints.Count) / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["keys"] = double(form.Keys().size());
}
BENCHMARK(BM_ScanStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A switch press and release (Space) into the application, through the switch filter, the
// window and the grid, to the key's text in the display. The cell sweep stays on its row, so
// every release chooses the key under the cursor again.
void BM_SwitchToDisplay(benchmark::State &state) {
    UseProgramDirs();
    TForm1 form({});
    form.show();
    form.SetEditMode(true);
    form.New2Click();
    form.Keys().constFirst()->SetText(QStringLiteral("ahoj"));
    form.TimeGrid1->SetScanModes(smStayOnRow);
    form.SetEditMode(false);
    form.Timer2->stop();
    qint64 now = 0;
    form.HookKey->SetClock([&now] { return now; });
    const auto send = [&form](QEvent::Type type) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(form.Display, &event);
    };
    for (auto _ : state) {
        send(QEvent::KeyPress);
        now += 100;
        send(QEvent::KeyRelease);
        if (form.Display->document()->characterCount() > state.range(0))
            form.Display->clear();
    }
    if (!form.Display->toPlainText().contains(QStringLiteral("ahoj")))
        state.SkipWithError("no text reached the display");
}
BENCHMARK(BM_SwitchToDisplay)->Arg(2000)->Arg(100000)->Unit(benchmark::kMicrosecond);

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
