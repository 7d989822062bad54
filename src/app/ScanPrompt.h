#pragma once

#include "ScanAccess.h"
#include "SpecialKey.h"

#include <QString>
#include <QStringList>

// What the scan says when its cursor reaches a key or a row.
namespace ScanPrompt {

// A key: the spoken name of a special key, else its text without surrounding blanks; empty
// when there is nothing to say. A sound or a link to another table says its text when it has
// one, as a letter key would.
QString KeyPrompt(TSpecialKey kind, const QString &text);
// Row `row` (from 0): its number, or what its first key says (`firstKey`, the number when that
// is empty).
QString RowPrompt(int row, TRowPrompt mode, const QString &firstKey);
// The row of word slots: as a row its name (or its first word, as a row of keys says its first
// key), a slot its word; an empty slot says nothing.
QString SlotPrompt(const QStringList &words, int slot, bool asRow, TRowPrompt mode);

} // namespace ScanPrompt
