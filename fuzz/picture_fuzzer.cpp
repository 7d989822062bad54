// Feeds arbitrary bytes to the picture readers as a stored symbol value and as a picture file,
// then draws what was accepted. A TPictureError is the expected answer to damaged input; a
// crash, a sanitizer report or any other exception is a finding.
#include "Picture.h"
#include "PictureError.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Exercise(const TPicture &picture) {
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Draw(painter, QRectF(2, 3, 40, 30));
    painter.end();
    TPicture transparent = picture;
    transparent.SetTransparent(true);
    QImage again(16, 16, QImage::Format_RGB32);
    QPainter second(&again);
    transparent.Draw(second, QRectF(0, 0, 16, 16));
    second.end();
    (void)picture.Size();
    (void)picture.ToImage(QSize(12, 12));
    (void)picture.ToSymbolData();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // Text records need a font database, which needs an application object.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "picture_fuzzer";
    static char *argv[] = {name, nullptr};
    // Kept for the whole run and never destroyed: Qt's font caches outlive the fuzzing, and an
    // application torn down at exit would report them as leaks.
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const TPicture picture = TPicture::FromSymbolData(bytes);
        Exercise(picture);
        // Whatever we accepted must be written back as it was read.
        if (!picture.IsEmpty() && picture.ToSymbolData() != bytes)
            std::abort();
    } catch (const TPictureError &) {
    }
    try {
        Exercise(TPicture::FromFileBytes(bytes, QStringLiteral("input.wmf")));
    } catch (const TPictureError &) {
    }
    return 0;
}
