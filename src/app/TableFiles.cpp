// Keyboard tables and key files of the main window. The file formats themselves live in
// TableFormat; here records become keys and keys become records.
#include "MainForm.h"

#include "AppStrings.h"
#include "ComponentReader.h"
#include "Directories.h"
#include "Error.h"
#include "FileLookup.h"
#include "Limits.h"
#include "Prompts.h"
#include "StringProc.h"
#include "TText.h"
#include "TableFormat.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QSaveFile>

namespace {

QByteArray ReadWholeFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TError(
            TText("TableFiles", "Soubor \"%1\" nelze otevřít.\r%2").arg(path, file.errorString()));
    return file.readAll();
}

// Replaces `path` only once everything is written, so a failed save loses nothing.
void WriteWholeFile(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TError(
            TText("TableFiles", "Soubor \"%1\" nelze uložit.\r%2").arg(path, file.errorString()));
}

bool IsBoardFileName(const QString &file) {
    return file.endsWith(QLatin1String(".obf"), Qt::CaseInsensitive) ||
           file.endsWith(QLatin1String(".obz"), Qt::CaseInsensitive);
}

QByteArray RecordOf(const TVxKey *key) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    key->SaveToStream(&buffer);
    return buffer.data();
}

// The reason a file was refused, in the user's words, for the second line of the message.
QString ProblemText(const TReadProblem &problem) {
    QString reason;
    switch (problem.Fault) {
    case TFault::Truncated:
        reason = AppStrings::FaultTruncated;
        break;
    case TFault::GridSize:
        reason = AppStrings::FaultGridSize;
        break;
    case TFault::TooManyKeys:
        reason = AppStrings::FaultTooManyKeys;
        break;
    case TFault::CellOutside:
        reason = AppStrings::FaultCellOutside;
        break;
    case TFault::CellTaken:
        reason = AppStrings::FaultCellTaken;
        break;
    case TFault::TrailingBytes:
        reason = AppStrings::FaultTrailingBytes;
        break;
    case TFault::Picture:
        reason = AppStrings::FaultPicture;
        break;
    case TFault::PictureTooLarge:
        reason = AppStrings::FaultPictureTooLarge;
        break;
    case TFault::TextTooLong:
        reason = AppStrings::FaultTextTooLong;
        break;
    case TFault::Geometry:
        reason = AppStrings::FaultGeometry;
        break;
    case TFault::None:
    case TFault::Damaged:
        reason = AppStrings::FaultDamaged;
        break;
    }
    if (problem.Key >= 0)
        reason = AppStrings::ProblemKey.arg(problem.Key + 1) + reason;
    if (problem.Offset >= 0)
        reason += AppStrings::ProblemOffset.arg(problem.Offset);
    return reason;
}

} // namespace

TVxKey *TForm1::KeyFromRecord(TComponentReader &record) {
    QWidget *parent = FScanning ? static_cast<QWidget *>(TimeGrid1) : KeyPanel;
    std::unique_ptr<TVxKey> key = TVxKey::CreateFromStream(parent, record);
    TVxKey *raw = key.release(); // the parent owns it now
    HookKeyEvents(raw);
    raw->SetColorFocused(TimeGrid1->PenFocus().Color);
    raw->show();
    AddKey(raw);
    return raw;
}

void TForm1::LoadTable(const QString &name) {
    if (name.isEmpty()) {
        Prompts().Message(name + QLatin1Char('\r') + AppStrings::CannotLoadTable +
                          QLatin1Char('\r') + AppStrings::TryOpenMenu);
        return;
    }
    const QString full = LocateFile(ResolvePath(name, Dirs().TablesDir));
    if (!ClearTable())
        return;
    // An unreadable file goes to the caller, which knows how to tell the user.
    const QByteArray bytes = ReadWholeFile(full);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TTableReadResult read = ReadTableFile(&buffer);

    // A refused header changes nothing: the grid keeps its size and the layout stays.
    if (read.HeaderRead) {
        const TTableFile &table = read.Table;
        SetScanning(table.Scanning());
        TimeGrid1->setVisible(FScanning);
        Menu.ScanItem->setChecked(FScanning);
        if (FScanning) {
            TimeGrid1->SetnCol(table.nCol);
            TimeGrid1->SetnRow(table.nRow);
        }
        ReadKeys(read, bytes, [this](TComponentReader &record, const TTableKey &entry, int) {
            TVxKey *key = KeyFromRecord(record);
            if (FScanning)
                TimeGrid1->PutCell(entry.Col, entry.Row, key);
        });
        if (read.Ok()) {
            if (FScanning)
                TimeGrid1->ArrangeCells();
            else
                ArrangeKeys();
            SetTableName(name);
            TVxKey::ActiveFrameWidth = TimeGrid1->PenFocus().Width;
        }
    }
    if (!read.Ok())
        Prompts().Error(AppStrings::CannotOpenTable + name + QLatin1Char('\r') +
                        ProblemText(read.Problem));
    TimeGrid1->SetiRow(0);
    TimeGrid1->SetiCol(0);
    SyncSlotCursor();
}

TTableFile TForm1::CurrentTableFile() const {
    TTableFile table;
    table.Layout = FScanning ? 1 : 0;
    if (FScanning) {
        table.nCol = TimeGrid1->nCol();
        table.nRow = TimeGrid1->nRow();
        // Row by row, the occupied cells only; keys below the last row have no cell.
        for (const QPoint &cell : TimeGrid1->OccupiedCells()) {
            if (cell.y() >= table.nRow)
                break;
            if (auto *key = qobject_cast<TVxKey *>(TimeGrid1->GetCell(cell.x(), cell.y())))
                table.Keys.append(TTableKey{cell.x(), cell.y(), RecordOf(key)});
        }
    } else {
        for (const TVxKey *key : std::as_const(FCreated))
            table.Keys.append(TTableKey{0, 0, RecordOf(key)});
    }
    return table;
}

void TForm1::SaveTable(const QString &name) {
    if (name.isEmpty())
        return;
    const TTableFile table = CurrentTableFile();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteTableFile(&buffer, table);
    WriteWholeFile(name, buffer.data());
    SetTableName(name);
}

bool TForm1::AskSaveTable() {
    if (!FTableName.isEmpty() || FKeys.isEmpty())
        return true;
    if (!Prompts().Question(AppStrings::SaveTableQuestion))
        return true;
    return SaveTableAs();
}

void TForm1::Open1Click() {
    const QString file = Prompts().OpenFileName(
        AppStrings::OpenTableTitle, FTableDialogDir,
        AppStrings::OpenFilterTables + QStringLiteral(";;") + AppStrings::OpenFilterKeys +
            QStringLiteral(";;") + AppStrings::OpenFilterBoards);
    if (file.isEmpty())
        return;
    if (IsBoardFileName(file)) {
        ImportBoards(file);
        return;
    }
    try {
        LoadTable(file);
    } catch (const TError &e) {
        Prompts().Error(e.Message());
    }
}

void TForm1::Save1Click() {
    SaveTableAs();
}

bool TForm1::SaveTableAs() {
    const QString base = FTableName.isEmpty() ? FLastTableName : FTableName;
    const QString full = ResolvePath(base, Dirs().TablesDir);
    const QString file = Prompts().SaveFileName(
        QString(), ExtractDir(full) + ExtractName(full),
        AppStrings::SaveFilterTables + QStringLiteral(";;") + AppStrings::SaveFilterKeys +
            QStringLiteral(";;") + AppStrings::SaveFilterBoards,
        QStringLiteral("kbt"));
    if (file.isEmpty())
        return false;
    if (IsBoardFileName(file))
        return ExportBoards(file);
    try {
        SaveTable(file);
    } catch (const TError &e) {
        Prompts().Error(e.Message());
        return false;
    }
    return true;
}

void TForm1::SaveKey1Click() {
    if (FSelection.isEmpty()) {
        Prompts().Message(AppStrings::NoKeySelected);
        return;
    }
    const QString base = FTableName.isEmpty() ? FLastTableName : FTableName;
    const QString full = ResolvePath(base, Dirs().TablesDir);
    const QString file = Prompts().SaveFileName(QString(), ExtractDir(full) + ExtractName(full),
                                                AppStrings::SaveFilterKeys + QStringLiteral(";;") +
                                                    AppStrings::SaveFilterTables,
                                                QStringLiteral("kyf"));
    if (file.isEmpty())
        return;
    QList<QByteArray> records;
    for (const TVxKey *key : std::as_const(FSelection))
        records.append(RecordOf(key));
    try {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ::WriteKeyFile(&buffer, records);
        WriteWholeFile(file, buffer.data());
    } catch (const TError &e) {
        Prompts().Error(e.Message());
    }
}

void TForm1::LoadKey1Click() {
    if (!CanAddKey())
        return;
    const QString file = Prompts().OpenFileName(AppStrings::OpenKeysTitle, FTableDialogDir,
                                                AppStrings::OpenFilterKeys + QStringLiteral(";;") +
                                                    AppStrings::OpenFilterTables);
    if (file.isEmpty())
        return;
    try {
        const QByteArray bytes = ReadWholeFile(file);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        TTableReadResult read = ReadKeyFile(&buffer);
        // The window holds no more keys than one table may.
        const qsizetype room = Limits::MaxKeys - FKeys.size();
        ReadKeys(read, bytes, [this, room](TComponentReader &record, const TTableKey &, int index) {
            if (index >= room)
                throw TError(QString(), TFault::TooManyKeys);
            KeyFromRecord(record);
        });
        if (!read.Ok())
            throw TError(AppStrings::CannotOpenKeys + file + QLatin1Char('\r') +
                         ProblemText(read.Problem));
    } catch (const TError &e) {
        // The keys read before the damage stay, but the table is not rearranged.
        Prompts().Error(e.Message());
        return;
    }
    ArrangeKeys();
    SetTableName(QString());
}
