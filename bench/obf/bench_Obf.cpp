// Importing a package of boards: 10 boards of 60 pictured buttons (10 x 6 grids), each button
// with a picture of its own (PNG, 160 x 160), every board linking to the next one. Reports the
// time of the whole import in memory (tables made, nothing written) and the process's peak
// resident memory.
#include "ObfArchive.h"
#include "ObfImport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

QByteArray Picture(int n) {
    QImage image(160, 160, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor::fromHsv((n * 37) % 360, 200, 220));
    p.drawEllipse(10 + n % 20, 10, 120, 130);
    p.drawText(QRect(0, 60, 160, 40), Qt::AlignCenter, QString::number(n));
    p.end();
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    image.save(&b, "PNG");
    return b.data();
}

QByteArray Package(int boards, int columns, int rows) {
    TObfArchiveWriter zip;
    QJsonObject boardPaths, imagePaths;
    for (int b = 0; b < boards; ++b) {
        QJsonArray buttons, images, order;
        for (int r = 0; r < rows; ++r) {
            QJsonArray row;
            for (int c = 0; c < columns; ++c) {
                const int n = (b * rows + r) * columns + c;
                const QString id = QString::number(n);
                const QString image = QStringLiteral("i") + id;
                const QString path = QStringLiteral("images/") + image + QStringLiteral(".png");
                zip.Add(path, Picture(n));
                imagePaths.insert(image, path);
                images.append(
                    QJsonObject{{QStringLiteral("id"), image},
                                {QStringLiteral("content_type"), QStringLiteral("image/png")},
                                {QStringLiteral("width"), 160},
                                {QStringLiteral("height"), 160},
                                {QStringLiteral("path"), path}});
                QJsonObject button{
                    {QStringLiteral("id"), id},
                    {QStringLiteral("label"), QStringLiteral("slovo %1").arg(n)},
                    {QStringLiteral("image_id"), image},
                    {QStringLiteral("background_color"), QStringLiteral("rgb(250, 240, 200)")}};
                if (r == 0 && c == 0)
                    button.insert(
                        QStringLiteral("load_board"),
                        QJsonObject{{QStringLiteral("id"), QString::number((b + 1) % boards)},
                                    {QStringLiteral("path"),
                                     QStringLiteral("boards/%1.obf").arg((b + 1) % boards)}});
                buttons.append(button);
                row.append(id);
            }
            order.append(row);
        }
        const QJsonObject board{
            {QStringLiteral("format"), QStringLiteral("open-board-0.1")},
            {QStringLiteral("id"), QString::number(b)},
            {QStringLiteral("locale"), QStringLiteral("cs")},
            {QStringLiteral("name"), QStringLiteral("Deska %1").arg(b)},
            {QStringLiteral("buttons"), buttons},
            {QStringLiteral("grid"), QJsonObject{{QStringLiteral("rows"), rows},
                                                 {QStringLiteral("columns"), columns},
                                                 {QStringLiteral("order"), order}}},
            {QStringLiteral("images"), images},
            {QStringLiteral("sounds"), QJsonArray()}};
        const QString path = QStringLiteral("boards/%1.obf").arg(b);
        zip.Add(path, QJsonDocument(board).toJson());
        boardPaths.insert(QString::number(b), path);
    }
    zip.Add(QStringLiteral("manifest.json"),
            QJsonDocument(QJsonObject{{QStringLiteral("format"), QStringLiteral("open-board-0.1")},
                                      {QStringLiteral("root"), QStringLiteral("boards/0.obf")},
                                      {QStringLiteral("paths"),
                                       QJsonObject{{QStringLiteral("boards"), boardPaths},
                                                   {QStringLiteral("images"), imagePaths}}}})
                .toJson());
    return zip.Finish();
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_ImportPackage(benchmark::State &state) {
    const QByteArray package = Package(10, 10, 6);
    const double before = PeakMegabytes();
    for (auto _ : state) {
        const TObfImportResult result = ImportBoards(package, QStringLiteral("bench"));
        if (result.Tables.size() != 10 || !result.Notes.isEmpty())
            state.SkipWithError("the import lost something");
        benchmark::DoNotOptimize(result);
    }
    state.counters["package_MB"] = double(package.size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = PeakMegabytes();
    state.counters["peak_rss_before_MB"] = before;
}
BENCHMARK(BM_ImportPackage)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
