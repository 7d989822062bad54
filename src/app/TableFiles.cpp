// Keyboard tables and key files of the main window. The file formats themselves live in
// TableFormat; here records become keys and keys become records.
#include "MainForm.h"

#include "AppStrings.h"
#include "Directories.h"
#include "Error.h"
#include "FileLookup.h"
#include "Prompts.h"
#include "StringProc.h"
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
            QStringLiteral("Soubor \"%1\" nelze otevřít.\r%2").arg(path, file.errorString()));
    return file.readAll();
}

// Replaces `path` only once everything is written, so a failed save loses nothing.
void WriteWholeFile(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TError(
            QStringLiteral("Soubor \"%1\" nelze uložit.\r%2").arg(path, file.errorString()));
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

} // namespace

TVxKey *TForm1::KeyFromRecord(const QByteArray &record) {
    QBuffer buffer;
    buffer.setData(record);
    buffer.open(QIODevice::ReadOnly);
    QWidget *parent = FScanning ? static_cast<QWidget *>(TimeGrid1) : KeyPanel;
    std::unique_ptr<TVxKey> key = TVxKey::CreateFromStream(parent, &buffer);
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
    ClearTable();
    // An unreadable file goes to the caller, which knows how to tell the user.
    const QByteArray bytes = ReadWholeFile(full);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const TTableReadResult read = ReadTableFile(&buffer);

    bool ok = read.Ok();
    if (read.HeaderRead) {
        const TTableFile &table = read.Table;
        SetScanning(table.Scanning());
        TimeGrid1->setVisible(FScanning);
        Menu.ScanItem->setChecked(FScanning);
        if (FScanning) {
            TimeGrid1->SetnCol(table.nCol);
            TimeGrid1->SetnRow(table.nRow);
        }
        try {
            for (const TTableKey &entry : table.Keys) {
                TVxKey *key = KeyFromRecord(entry.Record);
                if (FScanning)
                    TimeGrid1->PutCell(entry.Col, entry.Row, key);
            }
        } catch (const TError &) {
            ok = false;
        }
        if (ok) {
            if (FScanning)
                TimeGrid1->ArrangeCells();
            else
                ArrangeKeys();
            SetTableName(name);
            TVxKey::ActiveFrameWidth = TimeGrid1->PenFocus().Width;
        }
    }
    if (!ok)
        Prompts().Error(AppStrings::CannotOpenTable + name);
    TimeGrid1->SetiRow(0);
    TimeGrid1->SetiCol(0);
}

TTableFile TForm1::CurrentTableFile() const {
    TTableFile table;
    table.Layout = FScanning ? 1 : 0;
    if (FScanning) {
        table.nCol = TimeGrid1->nCol();
        table.nRow = TimeGrid1->nRow();
        for (int r = 0; r < table.nRow; ++r) {
            for (int c = 0; c < table.nCol; ++c) {
                if (auto *key = qobject_cast<TVxKey *>(TimeGrid1->GetCell(c, r)))
                    table.Keys.append(TTableKey{c, r, RecordOf(key)});
            }
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

void TForm1::AskSaveTable() {
    if (!FTableName.isEmpty() || FKeys.isEmpty())
        return;
    if (Prompts().Question(AppStrings::SaveTableQuestion))
        Save1Click();
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
    const QString base = FTableName.isEmpty() ? FLastTableName : FTableName;
    const QString full = ResolvePath(base, Dirs().TablesDir);
    const QString file = Prompts().SaveFileName(
        QString(), ExtractDir(full) + ExtractName(full),
        AppStrings::SaveFilterTables + QStringLiteral(";;") + AppStrings::SaveFilterKeys +
            QStringLiteral(";;") + AppStrings::SaveFilterBoards,
        QStringLiteral("kbt"));
    if (file.isEmpty())
        return;
    if (IsBoardFileName(file)) {
        ExportBoards(file);
        return;
    }
    try {
        SaveTable(file);
    } catch (const TError &e) {
        Prompts().Error(e.Message());
    }
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
        QBuffer buffer;
        buffer.setData(ReadWholeFile(file));
        buffer.open(QIODevice::ReadOnly);
        const TTableReadResult read = ReadKeyFile(&buffer);
        for (const TTableKey &entry : read.Table.Keys)
            KeyFromRecord(entry.Record);
        if (!read.Ok())
            throw TError(read.Error);
    } catch (const TError &e) {
        // The keys read before the damage stay, but the table is not rearranged.
        Prompts().Error(e.Message());
        return;
    }
    ArrangeKeys();
    SetTableName(QString());
}
