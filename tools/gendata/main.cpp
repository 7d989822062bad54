// orvanta-gendata: the pictures and sounds of the bundled keyboards, made from scratch.
//   orvanta-gendata picture NAME FILE.jpg [RRGGBB]
//                                            a symbol drawn by SymbolArt, as a JPEG picture,
//                                            on white or on the given key face colour
//   orvanta-gendata sound NAME FILE.wav      a sound made by WaveSynth, as a WAVE file
//   orvanta-gendata icon FILE.svg SIZE FILE.png
//                                            the program's icon drawn at SIZE x SIZE pixels
//   orvanta-gendata iconpixels FILE.svg SIZE FILE
//                                            the same as bare pixels: premultiplied ARGB,
//                                            32-bit little-endian words, row by row
#include "Error.h"
#include "Picture.h"
#include "SymbolArt.h"
#include "WaveSynth.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>
#include <cstdio>

namespace {

// Big enough for a key several times the default size; drawing scales it down.
constexpr int PictureSize = 128;

int Fail(const QString &message) {
    std::fprintf(stderr, "orvanta-gendata: %s\n", message.toLocal8Bit().constData());
    return 1;
}

bool Write(const QString &path, const QByteArray &bytes) {
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

// Draws the SVG icon through Qt's image plugin at one size; null on failure.
QImage IconImage(const QString &svg, int size) {
    QImageReader reader(svg, "svg");
    reader.setScaledSize(QSize(size, size));
    return reader.read();
}

QByteArray IconPng(const QImage &image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray IconPixels(const QImage &icon) {
    const QImage image = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes;
    bytes.reserve(qsizetype(image.width()) * image.height() * 4);
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            char word[4];
            qToLittleEndian<quint32>(row[x], word);
            bytes.append(word, 4);
        }
    }
    return bytes;
}

} // namespace

int main(int argc, char *argv[]) {
    // Pictures with text need fonts, which need a GUI application; no window is ever shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool pixels = args.size() == 4 && args[0] == QLatin1String("iconpixels");
    if (pixels || (args.size() == 4 && args[0] == QLatin1String("icon"))) {
        bool ok = false;
        const int size = args[2].toInt(&ok);
        if (!ok || size < 1 || size > 1024)
            return Fail(QStringLiteral("%1 is not an icon size.").arg(args[2]));
        const QImage image = IconImage(args[1], size);
        const QByteArray bytes = image.isNull() ? QByteArray()
                                 : pixels       ? IconPixels(image)
                                                : IconPng(image);
        if (bytes.isEmpty())
            return Fail(QStringLiteral("%1: cannot draw the icon.").arg(args[1]));
        if (!Write(args[3], bytes))
            return Fail(QStringLiteral("%1: cannot write the file.").arg(args[3]));
        return 0;
    }
    const bool withBackground = args.size() == 4 && args[0] == QLatin1String("picture");
    if (args.size() != 3 && !withBackground) {
        std::fputs("usage: orvanta-gendata picture NAME FILE.jpg [RRGGBB]\n"
                   "       orvanta-gendata sound NAME FILE.wav\n"
                   "       orvanta-gendata icon FILE.svg SIZE FILE.png\n"
                   "       orvanta-gendata iconpixels FILE.svg SIZE FILE\n",
                   stderr);
        return 2;
    }
    const QString &name = args[1];
    QByteArray bytes;
    if (args[0] == QLatin1String("picture")) {
        const QColor background =
            withBackground ? QColor(QLatin1Char('#') + args[3]) : QColor(Qt::white);
        if (!background.isValid())
            return Fail(QStringLiteral("%1 is not a colour.").arg(args[3]));
        const QImage image = SymbolArt::Draw(name, PictureSize, background);
        if (image.isNull())
            return Fail(QStringLiteral("no picture is named %1 (there are: %2).")
                            .arg(name, SymbolArt::SymbolNames().join(QStringLiteral(", "))));
        try {
            bytes = TPicture::FromImageAsJpeg(image, 92).Bytes();
        } catch (const TError &e) {
            return Fail(e.Message());
        }
    } else if (args[0] == QLatin1String("sound")) {
        const QList<qint16> samples = WaveSynth::Synthesize(name);
        if (samples.isEmpty())
            return Fail(QStringLiteral("no sound is named %1 (there are: %2).")
                            .arg(name, WaveSynth::SoundNames().join(QStringLiteral(", "))));
        bytes = WaveSynth::WavFile(samples);
    } else {
        return Fail(QStringLiteral("unknown kind %1.").arg(args[0]));
    }
    if (!Write(args[2], bytes))
        return Fail(QStringLiteral("%1: cannot write the file.").arg(args[2]));
    return 0;
}
