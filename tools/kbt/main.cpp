// orvanta-kbt: keyboard tables and key files as JSON and back.
//   orvanta-kbt dump FILE                        prints FILE (.kbt or .kyf) as JSON
//   orvanta-kbt build JSON -o FILE [-I DIR]...   writes the file the JSON describes; pictures of
//                                                hand-written keys are looked up beside the JSON,
//                                                then in each DIR
//   orvanta-kbt render FILE -o PNG [--grid WxH]  draws a table as the window shows it, or the
//                                                keys of a key file (.kyf) in a row
//   orvanta-kbt import FILE.obf|FILE.obz -o DIR  a board or package of boards as tables in the
//                                                data folder DIR (DIR/Tables/NAME, DIR/Sounds/NAME)
//   orvanta-kbt export TABLE.kbt -o FILE.obf|FILE.obz [-T DIR]... [-S DIR]...
//                                                a table as a board, or with the tables it links
//                                                to as a package; linked tables are looked up in
//                                                each DIR of -T (default: the table's folder and
//                                                the two above it), sounds in each DIR of -S
//                                                (default: Sounds beside those folders)
//   orvanta-kbt scan-cost TABLE --text FILE ...  what composing FILE costs a switch user
#include "Error.h"
#include "KbtBoards.h"
#include "KbtJson.h"
#include "KbtRender.h"
#include "ScanCostCommand.h"
#include "Version.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>
#include <cstring>

namespace {

const char UsageText[] =
    "usage: orvanta-kbt dump FILE\n"
    "       orvanta-kbt build JSON -o FILE [-I DIR]...\n"
    "       orvanta-kbt render FILE -o PNG [--grid WIDTHxHEIGHT]\n"
    "       orvanta-kbt import FILE.obf|FILE.obz -o DIR\n"
    "       orvanta-kbt export TABLE.kbt -o FILE.obf|FILE.obz [-T DIR]... [-S DIR]...\n"
    "       orvanta-kbt scan-cost TABLE --text FILE [--mode MODE] [--switches 1|2]\n"
    "                  [--predict SLOTS] [--lang cs|en] [--lexicon FILE] [--step MS]\n"
    "                  [--json] [--heatmap OUT.png]\n"
    "       orvanta-kbt layout --lang cs|en --text FILE --rows R --cols C -o TABLE\n"
    "                  [--from TABLE] [--copies N]\n"
    "       orvanta-kbt --help | --version\n";

int Usage() {
    std::fputs(UsageText, stderr);
    return 2;
}

int Help() {
    std::fputs(UsageText, stdout);
    std::fputs(
        "\n"
        "Keyboard tables (.kbt) and key files (.kyf) of orvanta, from the command line.\n"
        "  dump    prints a table or key file as JSON\n"
        "  build   writes the table or key file a JSON file describes; pictures are\n"
        "          looked up beside the JSON, then in each DIR of -I\n"
        "  render  draws a table as the program shows it (default grid 650x300), or the\n"
        "          keys of a key file in a row, as PNG\n"
        "  import  turns an Open Board file or package into tables in the data folder DIR\n"
        "  export  writes a table as an Open Board file, or with the tables it links to as\n"
        "          a package; linked tables are looked up in each DIR of -T, sounds in each\n"
        "          DIR of -S\n"
        "  scan-cost  simulates an expert switch user composing FILE on the table (and\n"
        "          the tables its link keys open, found beside it) and reports scan steps,\n"
        "          switch presses and time per character, in total and per key.\n"
        "          --mode: default, or showx, stop, stayonrow, stayoncol joined by '+'\n"
        "          (the grid dialog's choices); --switches 2 gives switch 2, otherwise a\n"
        "          long press of switch 1 (500 ms) does its work; --predict SLOTS adds a row\n"
        "          of prediction slots scanned as the first row (words from the shipped\n"
        "          list of --lang, or --lexicon); --step MS the scan step (default 1000).\n"
        "          A step is one period of the scan timer; every press takes the period in\n"
        "          which the cursor shows its target. Capitals are written as lower case,\n"
        "          a line break by Enter or Talk, a letter without a key by its accent key\n"
        "          and the base letter. --json prints one JSON object; --heatmap draws the\n"
        "          table tinted by each key's share of the steps.\n"
        "  layout  places the keys of the bundled alphabetical keyboard of --lang (or of\n"
        "          --from TABLE) in a grid of R rows and C columns so that FILE costs as few\n"
        "          scan steps as the search finds, in the default mode: greedy placement,\n"
        "          most used key first, then simulated annealing over swaps of two cells\n"
        "          (fixed seeds 1-4, the best kept), then swaps while any helps. It prints\n"
        "          the steps per key selection beside the template's and a bound no layout\n"
        "          can beat (3 steps between different keys, 2 for a key twice).\n"
        "          The letters and marks FILE needs, Space, Backspace, the talk key, the\n"
        "          accents and a link back are placed; the rest stays on the template.\n"
        "          --copies N puts second copies of the N most used keys in cells left\n"
        "          over (the user takes the nearer), annealed over the whole text.\n"
        "\n"
        "Exit status: 0 on success, 1 when a file could not be read, converted or written,\n"
        "2 for a wrong command line.\n",
        stdout);
    return 0;
}

int Error(const QString &message) {
    std::fprintf(stderr, "orvanta-kbt: %s\n", message.toLocal8Bit().constData());
    return 1;
}

QByteArray ReadAll(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw TError(QStringLiteral("%1: %2").arg(path, f.errorString()));
    return f.readAll();
}

void WriteAll(const QString &path, const QByteArray &bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        throw TError(QStringLiteral("%1: %2").arg(path, out.errorString()));
}

// The words after the command: one input name and options with a value each.
struct TArgs {
    QString Input;
    QString Output;
    QStringList Includes;
    QStringList TableDirs;
    QStringList SoundDirs;
    QString Grid;
    bool Ok = true;
};

TArgs ParseArgs(const QStringList &words) {
    TArgs a;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &w = words[i];
        const bool hasValue = i + 1 < words.size();
        if (w == QLatin1String("-o") && hasValue)
            a.Output = words[++i];
        else if (w == QLatin1String("-I") && hasValue)
            a.Includes.append(words[++i]);
        else if (w == QLatin1String("-T") && hasValue)
            a.TableDirs.append(words[++i]);
        else if (w == QLatin1String("-S") && hasValue)
            a.SoundDirs.append(words[++i]);
        else if (w == QLatin1String("--grid") && hasValue)
            a.Grid = words[++i];
        else if (!w.startsWith(QLatin1Char('-')) && a.Input.isEmpty())
            a.Input = w;
        else
            a.Ok = false;
    }
    a.Ok = a.Ok && !a.Input.isEmpty();
    return a;
}

int Dump(const TArgs &a) {
    const QByteArray bytes = ReadAll(a.Input);
    QJsonObject json;
    try {
        json = DumpFile(bytes, IsKeyFileName(a.Input));
    } catch (const TError &e) {
        return Error(QStringLiteral("%1: %2").arg(a.Input, e.Message()));
    }
    const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return 0;
}

int Build(const TArgs &a) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(ReadAll(a.Input), &parseError);
    if (!doc.isObject())
        return Error(QStringLiteral("%1: %2").arg(a.Input, parseError.errorString()));
    TBuildOptions options;
    options.SearchDirs = QStringList{QFileInfo(a.Input).absolutePath()} + a.Includes;
    try {
        const QByteArray bytes = BuildFile(doc.object(), options);
        // Nothing is written that the program would refuse to open.
        DumpFile(bytes, IsKeyFileName(a.Output));
        WriteAll(a.Output, bytes);
    } catch (const TError &e) {
        return Error(QStringLiteral("%1: %2").arg(a.Input, e.Message()));
    }
    return 0;
}

int Render(const TArgs &a) {
    QSize grid(650, 300);
    if (!a.Grid.isEmpty()) {
        const auto m = QRegularExpression(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$")).match(a.Grid);
        if (!m.hasMatch())
            return Usage();
        grid = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    const QByteArray bytes = ReadAll(a.Input);
    QImage image;
    try {
        image = IsKeyFileName(a.Input) ? RenderKeys(bytes) : RenderTable(bytes, grid);
    } catch (const TError &e) {
        return Error(QStringLiteral("%1: %2").arg(a.Input, e.Message()));
    }
    if (!image.save(a.Output, "PNG"))
        return Error(QStringLiteral("%1: cannot write the picture.").arg(a.Output));
    return 0;
}

int Export(const TArgs &a) {
    QStringList tableDirs = a.TableDirs;
    QStringList soundDirs = a.SoundDirs;
    if (tableDirs.isEmpty()) {
        QDir dir = QFileInfo(a.Input).absoluteDir();
        for (int up = 0; up < 3; ++up) {
            tableDirs.append(dir.path());
            soundDirs.append(dir.filePath(QStringLiteral("Sounds")));
            soundDirs.append(dir.filePath(QStringLiteral("../Sounds")));
            if (!dir.cdUp())
                break;
        }
    }
    return ExportBoardsCommand(a.Input, a.Output, tableDirs, soundDirs);
}

// The widget application complains about a missing runtime folder, which a tool that shows no
// window does not need; everything else is passed on.
QtMessageHandler PreviousHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    PreviousHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[]) {
    // Answered before the toolkit starts, as nothing needs it.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return Help();
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("orvanta-kbt " ORVANTA_VERSION "\n", stdout);
            return 0;
        }
    }
    // Keys are widgets even when nothing is shown: run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PreviousHandler = qInstallMessageHandler(FilterMessages);
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    if (args[0] == QLatin1String("scan-cost"))
        return ScanCostCommand(args.mid(1));
    if (args[0] == QLatin1String("layout"))
        return LayoutCommand(args.mid(1));
    const TArgs a = ParseArgs(args.mid(1));
    try {
        if (args[0] == QLatin1String("dump") && a.Ok && a.Output.isEmpty())
            return Dump(a);
        if (args[0] == QLatin1String("build") && a.Ok && !a.Output.isEmpty())
            return Build(a);
        if (args[0] == QLatin1String("render") && a.Ok && !a.Output.isEmpty())
            return Render(a);
        if (args[0] == QLatin1String("import") && a.Ok && !a.Output.isEmpty())
            return ImportBoardsCommand(a.Input, a.Output);
        if (args[0] == QLatin1String("export") && a.Ok && !a.Output.isEmpty())
            return Export(a);
    } catch (const TError &e) {
        return Error(e.Message());
    }
    return Usage();
}
