// Boards of other AAC programs in the main window: importing them as tables and exporting the
// current table. The conversion itself lives in the obf library; here only files and messages.
#include "MainForm.h"

#include "Directories.h"
#include "Error.h"
#include "ObfExport.h"
#include "ObfImport.h"
#include "ObfStrings.h"
#include "Prompts.h"
#include "StringProc.h"
#include "TText.h"
#include "TableFormat.h"

#include <QSaveFile>

namespace {

// One message for everything that was left out; a long list is cut so the box stays on screen.
void ReportNotes(const QString &heading, const QStringList &notes) {
    if (notes.isEmpty())
        return;
    constexpr int MaxLines = 25;
    QStringList lines = notes.mid(0, MaxLines);
    if (notes.size() > MaxLines)
        lines.append(TText("BoardFiles", "… a dalších %1").arg(notes.size() - MaxLines));
    Prompts().Message(heading + QLatin1Char('\r') + lines.join(QLatin1Char('\r')));
}

} // namespace

void TForm1::ImportBoards(const QString &file) {
    TObfImportResult result;
    try {
        result = ImportBoardFile(file, Dirs().TablesDir, Dirs().SoundsDir);
    } catch (const TError &e) {
        Prompts().Error(ObfStrings::CannotImport + file + QLatin1Char('\r') + e.Message());
        return;
    }
    ReportNotes(ObfStrings::ImportReportHeading, result.Notes);
    try {
        LoadTable(result.RootTable());
    } catch (const TError &e) {
        Prompts().Error(e.Message());
    }
}

bool TForm1::ExportBoards(const QString &file) {
    const QString name = FTableName.isEmpty() ? FLastTableName : FTableName;
    const QString tableName = name.isEmpty() ? QStringLiteral("tabulka.kbt") : name;
    const TObfExportSource source = FolderSource({Dirs().TablesDir}, {Dirs().SoundsDir});
    try {
        const TObfExportResult result = file.endsWith(QLatin1String(".obz"), Qt::CaseInsensitive)
                                            ? ExportPackage(CurrentTableFile(), tableName, source)
                                            : ExportBoard(CurrentTableFile(), tableName, source);
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(result.Bytes) != result.Bytes.size() ||
            !out.commit())
            throw TError(TText("BoardFiles", "Soubor \"%1\" nelze uložit.\r%2")
                             .arg(file, out.errorString()));
        ReportNotes(ObfStrings::ExportReportHeading, result.Notes);
    } catch (const TError &e) {
        Prompts().Error(ObfStrings::CannotExport + file + QLatin1Char('\r') + e.Message());
        return false;
    }
    return true;
}
