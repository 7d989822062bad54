#pragma once

#include "ScanAccess.h"
#include "SpecialKey.h"

#include <QString>

// What the scan says when its cursor reaches a key or a row.
namespace ScanPrompt {

// A key: the spoken name of a special key, else its text without surrounding blanks; empty
// when there is nothing to say. A sound or a link to another table says its text when it has
// one, as a letter key would.
QString KeyPrompt(TSpecialKey kind, const QString &text);
// Row `row` (from 0): its number, or what its first key says (`firstKey`, the number when that
// is empty).
QString RowPrompt(int row, TRowPrompt mode, const QString &firstKey);

} // namespace ScanPrompt
