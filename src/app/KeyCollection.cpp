// The keys of the current table: adding, deleting, selecting and arranging them.
#include "MainForm.h"

#include "AppStrings.h"
#include "KeyArrangement.h"
#include "KeySettingDlg.h"
#include "Limits.h"
#include "Prompts.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QMenu>
#include <algorithm>

void TForm1::AddKey(TVxKey *key) {
    FKeys.append(key);
    FCreated.append(key);
    connect(key, &QObject::destroyed, this, [this, key] {
        // A key can only vanish through DestroyKey; this keeps the lists honest regardless.
        FKeys.removeAll(key);
        FCreated.removeAll(key);
        FSelection.removeAll(key);
        if (FActiveKey == key)
            FActiveKey = nullptr;
    });
}

void TForm1::DestroyKey(TVxKey *key) {
    if (key == FActiveKey)
        SetActiveKey(nullptr);
    FKeys.removeAll(key);
    FCreated.removeAll(key);
    FSelection.removeAll(key);
    // Never called from within a key's own event: a table switch by a key is deferred.
    delete key;
}

void TForm1::HookKeyEvents(TVxKey *key) {
    connect(key, &TVxKey::StartDrag, this, &TForm1::DragCtrStart, Qt::UniqueConnection);
    connect(key, &TVxKey::MouseDown, this, &TForm1::CtrlMouseDown, Qt::UniqueConnection);
    connect(key, &TVxKey::VxKClick, this, &TForm1::KeyClick, Qt::UniqueConnection);
    connect(key, &TVxKey::ContextMenuRequested, this, &TForm1::ShowKeyMenu, Qt::UniqueConnection);
    key->SetPopupMenu(TablePopup);
}

bool TForm1::CanAddKey() {
    const qint64 cells = qint64(TimeGrid1->nRow()) * TimeGrid1->nCol();
    const qint64 capacity = FScanning ? std::min<qint64>(cells, Limits::MaxKeys) : Limits::MaxKeys;
    if (FKeys.size() >= capacity) {
        Prompts().Message(AppStrings::MaxKeysPrefix + QString::number(capacity) +
                          AppStrings::MaxKeysSuffix);
        return false;
    }
    if (FKeys.size() < cells)
        return true;
    // The free layout has room for any number of keys; the grid grows so each still gets a cell.
    if (TimeGrid1->nCol() < Limits::MaxGridCols)
        TimeGrid1->SetnCol(TimeGrid1->nCol() + 1);
    else
        TimeGrid1->SetnRow(TimeGrid1->nRow() + 1);
    return true;
}

TVxKey *TForm1::CreateKey(const QRect &bounds) {
    if (!CanAddKey())
        return nullptr;
    auto *key = new TVxKey(FScanning ? static_cast<QWidget *>(TimeGrid1) : KeyPanel);
    key->setGeometry(bounds);
    HookKeyEvents(key);
    key->SetColorFocused(TimeGrid1->PenFocus().Color);
    key->show();
    return key;
}

void TForm1::New1Click() {
    if (ClearTable())
        SetTableName(QString());
}

void TForm1::New2Click() {
    if (!CanAddKey())
        return;
    QRect bounds;
    bool found = false;
    for (int r = 0; r < TimeGrid1->nRow() && !found; ++r) {
        for (int c = 0; c < TimeGrid1->nCol() && !found; ++c) {
            if (!TimeGrid1->GetCell(c, r)) {
                bounds = TimeGrid1->CellRect(c, r);
                found = true;
            }
        }
    }
    if (TVxKey *key = CreateKey(bounds)) {
        AddKey(key);
        ArrangeKeys();
    }
    SetTableName(QString());
}

void TForm1::Delete1Click() {
    // Only a real change counts: until the selection first changes, the key dialog applies to
    // the key it was opened for.
    const bool changed = !FSelection.isEmpty();
    for (qsizetype i = FSelection.size() - 1; i >= 0; --i)
        DestroyKey(FSelection.at(i));
    FSelection.clear();
    if (changed)
        SelectionChange();
    ArrangeKeys();
    SetTableName(QString());
}

bool TForm1::ClearTable() {
    // A table the user wanted saved and that was not stays.
    if (!AskSaveTable())
        return false;
    ClearKeys();
    return true;
}

void TForm1::ClearKeys() {
    SetActiveKey(nullptr);
    for (qsizetype i = FKeys.size() - 1; i >= 0; --i)
        DestroyKey(FKeys.at(i));
    FKeys.clear();
    FCreated.clear();
    const bool changed = !FSelection.isEmpty();
    FSelection.clear();
    if (changed)
        SelectionChange();
    TimeGrid1->ClearCells();
}

void TForm1::ArrangeKeys() {
    QList<QPoint> positions;
    positions.reserve(FKeys.size());
    for (TVxKey *key : std::as_const(FKeys))
        positions.append(key->pos());
    const TKeyArrangement a =
        ArrangeKeyCells(positions, TimeGrid1->nCol(), TimeGrid1->nRow(),
                        [this](int c, int r) { return TimeGrid1->CellRect(c, r); });
    TimeGrid1->ClearCells();
    for (qsizetype i = 0; i < FKeys.size(); ++i) {
        if (a.Cells[i])
            TimeGrid1->PutCell(a.Cells[i]->x(), a.Cells[i]->y(), FKeys[i]);
    }
    if (FScanning) {
        TimeGrid1->ArrangeCells();
        SetActiveKey(nullptr);
    } else {
        SetActiveKey(FKeys.isEmpty() ? nullptr : FKeys.constFirst());
    }
    QList<TVxKey *> ordered;
    ordered.reserve(FKeys.size());
    for (int old : a.Order)
        ordered.append(FKeys[old]);
    FKeys = ordered;
    update();
}

void TForm1::CtrlMouseDown(TVxKey *key, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button != Qt::LeftButton || !modifiers.testFlag(Qt::ControlModifier) || !key)
        return;
    if (!FSelection.contains(key)) {
        FSelection.append(key);
        key->SetSelected(true);
    } else {
        FSelection.removeAll(key);
        key->SetSelected(false);
    }
    key->update();
    SelectionChange();
}

void TForm1::UnselectAll() {
    for (TVxKey *key : std::as_const(FKeys)) {
        key->SetSelected(false);
        key->update();
    }
    const bool changed = !FSelection.isEmpty();
    FSelection.clear();
    if (changed)
        SelectionChange();
    (FScanning ? static_cast<QWidget *>(TimeGrid1) : KeyPanel)->setFocus();
}

void TForm1::SelectionChange() {
    // From now on the key settings dialog applies its changes to the selected keys.
    FSelectionTold = true;
    if (FKeySettingDlg)
        FKeySettingDlg->SetSelection(&FSelection);
}

void TForm1::ShowKeyMenu(TVxKey *key, const QPoint &globalPos) {
    // The key menu pops up by itself only in edit mode.
    if (!FEditMode || !key)
        return;
    TablePopupPopup(key);
    TablePopup->popup(globalPos);
}
