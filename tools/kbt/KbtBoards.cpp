#include "KbtBoards.h"

#include "Error.h"
#include "ObfExport.h"
#include "ObfImport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace {

void Print(std::FILE *stream, const QString &text) {
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

int Fail(const QString &message) {
    Print(stderr, QStringLiteral("orvanta-kbt: ") + message);
    return 1;
}

void PrintNotes(const QStringList &notes) {
    for (const QString &note : notes)
        Print(stderr, QStringLiteral("orvanta-kbt: ") + note);
}

} // namespace

int ImportBoardsCommand(const QString &input, const QString &dataDir) {
    const QString tables = QDir(dataDir).filePath(QStringLiteral("Tables"));
    const QString sounds = QDir(dataDir).filePath(QStringLiteral("Sounds"));
    TObfImportResult result;
    try {
        result = ImportBoardFile(input, tables, sounds);
    } catch (const TError &e) {
        return Fail(QStringLiteral("%1: %2").arg(input, e.Message()));
    }
    PrintNotes(result.Notes);
    Print(stdout, QDir(tables).filePath(result.RootTable()));
    return 0;
}

int ExportBoardsCommand(const QString &input, const QString &output, const QStringList &tableDirs,
                        const QStringList &soundDirs) {
    QFile file(input);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("%1: %2").arg(input, file.errorString()));
    QBuffer buffer;
    buffer.setData(file.readAll());
    buffer.open(QIODevice::ReadOnly);
    const TTableReadResult read = ReadTableFile(&buffer);
    if (!read.Ok())
        return Fail(QStringLiteral("%1: %2").arg(input, read.Error));
    const TObfExportSource source = FolderSource(tableDirs, soundDirs);
    TObfExportResult result;
    try {
        if (output.endsWith(QLatin1String(".obz"), Qt::CaseInsensitive))
            result = ExportPackage(read.Table, QFileInfo(input).fileName(), source);
        else
            result = ExportBoard(read.Table, QFileInfo(input).fileName(), source);
    } catch (const TError &e) {
        return Fail(QStringLiteral("%1: %2").arg(input, e.Message()));
    }
    PrintNotes(result.Notes);
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(result.Bytes) != result.Bytes.size() ||
        !out.commit())
        return Fail(QStringLiteral("%1: %2").arg(output, out.errorString()));
    return 0;
}
