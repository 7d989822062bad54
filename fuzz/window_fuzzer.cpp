// Opens arbitrary bytes as a table in the real main window: keys created, put in their cells,
// arranged and painted, then edit mode on and off (which arranges them again). Slow and hungry
// inputs are findings too: an input that takes longer than the wall-clock budget or leaves the
// process with more resident memory than the memory budget aborts, so libFuzzer keeps it.
// Run with -rss_limit_mb as well; the check here catches growth that stays below it per input.
#include "Directories.h"
#include "Error.h"
#include "MainForm.h"
#include "Prompts.h"
#include "RecordingSpeech.h"
#include "ScriptedPrompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qint64 BudgetMs = 2000;  // load, arrange and paint one table
constexpr long BudgetRssMb = 1500; // the whole process after one input

long ResidentMb() {
    FILE *f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    long pages = 0, resident = 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(f);
    return resident * 4096 / (1024 * 1024);
}

struct TWorld {
    QTemporaryDir Dir;
    TScriptedPrompts Prompts;
    TRecordingSpeech Speech;
    std::unique_ptr<TForm1> Form;
};

TWorld *World = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "window_fuzzer";
    static char *argv[] = {name, nullptr};
    // Kept for the whole run and never destroyed, like the window: Qt's caches outlive the
    // fuzzing, and objects torn down at exit would report them as leaks.
    static QApplication *app = new QApplication(argc, argv);
    (void)app;
    World = new TWorld;
    for (const char *sub : {"Tables", "Sounds", "Images"})
        QDir(World->Dir.path()).mkpath(QLatin1String(sub));
    Dirs() = DeriveDirectories(World->Dir.path(), World->Dir.filePath(QStringLiteral("orvanta")),
                               [](const QString &) { return true; });
    SetPrompts(&World->Prompts);
    World->Form = std::make_unique<TForm1>(QStringList(), &World->Speech);
    World->Form->resize(800, 600);
    World->Form->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = Dirs().TablesDir + QStringLiteral("fuzz.kbt");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    QElapsedTimer clock;
    clock.start();
    TForm1 &form = *World->Form;
    try {
        form.LoadTable(QStringLiteral("fuzz.kbt"));
    } catch (const TError &) {
    }
    form.SetEditMode(true);
    form.SetEditMode(false);
    QImage image(form.size(), QImage::Format_ARGB32_Premultiplied);
    form.render(&image);
    const qint64 elapsed = clock.elapsed();
    if (elapsed > BudgetMs) {
        std::fprintf(stderr, "window_fuzzer: one input took %lld ms\n", (long long)elapsed);
        std::abort();
    }
    if (ResidentMb() > BudgetRssMb) {
        std::fprintf(stderr, "window_fuzzer: %ld MB resident after one input\n", ResidentMb());
        std::abort();
    }
    World->Prompts.Shown.clear();
    return 0;
}
