// orvanta-kbt: keyboard tables and key files as JSON and back.
//   orvanta-kbt dump FILE              prints FILE (.kbt or .kyf) as JSON
//   orvanta-kbt build JSON -o FILE     writes the file the JSON describes
#include "Error.h"
#include "KbtJson.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <cstdio>

namespace {

int Usage() {
    std::fputs("usage: orvanta-kbt dump FILE\n"
               "       orvanta-kbt build JSON -o FILE\n",
               stderr);
    return 2;
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

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    try {
        if (args.size() == 2 && args[0] == QLatin1String("dump")) {
            const QJsonObject json = DumpFile(ReadAll(args[1]), IsKeyFileName(args[1]));
            const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Indented);
            std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
            return 0;
        }
        if (args.size() == 4 && args[0] == QLatin1String("build") &&
            args[2] == QLatin1String("-o")) {
            QJsonParseError parseError;
            const QJsonDocument doc = QJsonDocument::fromJson(ReadAll(args[1]), &parseError);
            if (!doc.isObject())
                return Error(QStringLiteral("%1: %2").arg(args[1], parseError.errorString()));
            const QByteArray bytes = BuildFile(doc.object());
            QSaveFile out(args[3]);
            if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
                !out.commit())
                return Error(QStringLiteral("%1: %2").arg(args[3], out.errorString()));
            return 0;
        }
    } catch (const TError &e) {
        return Error(e.Message());
    }
    return Usage();
}
