// orvanta-cfg: the configuration file from the command line.
//   orvanta-cfg default FILE [--table NAME] [--interval MS]
//                                             writes the configuration of a first start: the
//                                             window's design, automatic choice of the speech
//                                             output and, when given, the table to open and the
//                                             scan step
//   orvanta-cfg dump FILE                     lists what a configuration file holds
#include "BoundedRead.h"
#include "ConfigFormat.h"
#include "Error.h"
#include "Version.h"
#include "VoiceSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

int Fail(const QString &message) {
    std::fprintf(stderr, "orvanta-cfg: %s\n", message.toLocal8Bit().constData());
    return 1;
}

int WriteDefault(const QString &path, const QString &table, qint32 interval) {
    TConfiguration config = ConfigFormat::DesignConfiguration();
    TVoiceSettings voice;
    voice.Kind = vkAuto;
    config.VoiceRecord = WriteVoiceSettings(voice);
    config.TableName = table;
    config.Interval = interval;
    try {
        const QByteArray bytes = ConfigFormat::Write(config);
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            return Fail(QStringLiteral("%1: cannot write the file.").arg(path));
    } catch (const TError &e) {
        return Fail(e.Message());
    }
    return 0;
}

template <typename T>
QString Opt(const std::optional<T> &v) {
    if (!v)
        return QStringLiteral("-");
    if constexpr (std::is_same_v<T, QByteArray>)
        return QString::fromLatin1(*v);
    else if constexpr (std::is_same_v<T, QString>)
        return *v;
    else if constexpr (std::is_same_v<T, bool>)
        return *v ? QStringLiteral("True") : QStringLiteral("False");
    else
        return QString::number(*v);
}

int Dump(const QString &path) {
    // A pipe or a device would block the read.
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return Fail(QStringLiteral("%1: not a regular file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const TConfigReadResult r = ConfigFormat::Read(ReadAtMost(file, ConfigFormat::MaxFileSize));
    const TConfiguration &c = r.Config;
    QTextStream out(stdout);
    out << "version " << r.Version << "\n";
    if (r.Has(TConfigPart::Display)) {
        const TDisplayRecord &d = c.Display;
        out << "display " << Opt(d.Left) << ' ' << Opt(d.Top) << ' ' << Opt(d.Width) << ' '
            << Opt(d.Height) << " font " << Opt(d.FontName) << ' ' << Opt(d.FontHeight) << ", "
            << d.Lines.size() << " lines\n";
        for (const QString &line : d.Lines)
            out << "  | " << line << "\n";
    }
    if (r.Has(TConfigPart::Voice)) {
        TVoiceSettings v;
        if (ReadVoiceSettings(c.VoiceRecord, v))
            out << "voice kind " << v.Kind << " index " << v.VoiceIndex << " volume " << v.Volume
                << " rate " << v.Rate << "\n";
        else
            out << "voice (none stored)\n";
    }
    if (r.Has(TConfigPart::Grid))
        out << "grid " << c.Grid.nCol << " x " << c.Grid.nRow << ", switches " << c.Grid.SwCode1
            << ' ' << c.Grid.SwCode2 << ", long press " << c.Grid.SwTime << " ms\n";
    if (r.Has(TConfigPart::Bounds))
        out << "window " << c.Left << ' ' << c.Top << ' ' << c.Right << ' ' << c.Bottom << "\n";
    if (r.Has(TConfigPart::State))
        out << "state " << c.WindowState << "\n";
    if (r.Has(TConfigPart::Interval))
        out << "interval " << c.Interval << " ms\n";
    if (r.Has(TConfigPart::Echo))
        out << "echo " << c.Echo << "\n";
    if (r.Has(TConfigPart::ReadMode))
        out << "reading mode " << c.AutoReadMode << "\n";
    if (r.Has(TConfigPart::Lines))
        out << "tables " << c.TablesDir << "\nsounds " << c.SoundsDir << "\npictures "
            << c.PicturesDir << "\ntable " << c.TableName << "\n";
    out.flush();
    return r.Ok() ? 0 : Fail(r.Error);
}

const char UsageText[] = "usage: orvanta-cfg default FILE [--table NAME] [--interval MS]\n"
                         "       orvanta-cfg dump FILE\n"
                         "       orvanta-cfg --help | --version\n";

int Help() {
    std::fputs(UsageText, stdout);
    std::fputs("\n"
               "The configuration file of orvanta (Orvanta.cfg), from the command line.\n"
               "  default  writes the configuration of a first start: the window's design,\n"
               "           automatic choice of the speech output and, when given, the table to\n"
               "           open and the scan step in milliseconds\n"
               "  dump     lists what a configuration file holds\n"
               "\n"
               "Exit status: 0 on success, 1 when the file could not be written, or could not be\n"
               "read completely (dump lists what it read first), 2 for a wrong command line.\n",
               stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return Help();
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("orvanta-cfg " ORVANTA_VERSION "\n", stdout);
            return 0;
        }
    }
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("dump"))
        return Dump(args[1]);
    if (args.size() >= 2 && args.size() % 2 == 0 && args[0] == QLatin1String("default")) {
        QString table;
        qint32 interval = ConfigFormat::DesignConfiguration().Interval;
        bool ok = true;
        for (qsizetype i = 2; ok && i < args.size(); i += 2) {
            if (args[i] == QLatin1String("--table"))
                table = args[i + 1];
            else if (args[i] == QLatin1String("--interval"))
                interval = args[i + 1].toInt(&ok);
            else
                ok = false;
        }
        if (ok && interval > 0)
            return WriteDefault(args[1], table, interval);
    }
    std::fputs(UsageText, stderr);
    return 2;
}
