#pragma once

#include <QLocale>
#include <QSize>
#include <QString>
#include <optional>

// The rules of the key settings dialog that need no window: what "Provést změny" changes, which
// parts of the dialog are open, and how the symbol's height/width ratio is shown and read back.
namespace KeySettingRules {

// Where the working key goes when the changes are applied.
enum class TApplyTarget {
    EditedKey,        // the selection never changed since start: the key the dialog was filled from
    NoSelection,      // nothing selected: the user is told how to select, nothing changes
    OneKey,           // exactly one selected key takes every property
    AppearanceToEach, // several selected keys take the appearance only
};
TApplyTarget ApplyTarget(bool hasSelectionReference, qsizetype selectedCount);

// Which parts of the dialog are open for a key with `specialCode` while `selectedCount` keys are
// selected. Text, special key, symbol, sound and linked table belong to one key, so they are
// closed while several keys are edited together.
struct TPageState {
    bool SymbolPage = true;
    bool OtherPage = false; // sound and linked table
    bool TextEnabled = true;
    bool SpecialEnabled = false;
    bool SoundEnabled = false;
    bool TableEnabled = false;
};
TPageState PageState(int specialCode, qsizetype selectedCount);

// Height divided by width of a symbol of `size`; 1.0 when there is no symbol.
double SymbolAspect(const QSize &size);
// The aspect as the dialog shows it: at most 4 significant digits, fixed notation for
// 0.00001 <= |aspect| < 10000 and "1.235E4" style otherwise, with the locale's decimal separator.
QString FormatAspect(double aspect, const QLocale &locale = QLocale());
// The number typed into the aspect field, in the locale's notation (a decimal point is taken
// too); nothing when the text is not a finite number. There is no range check: a negative aspect
// means "stretch", like 0.
std::optional<double> ParseAspect(const QString &text, const QLocale &locale = QLocale());

} // namespace KeySettingRules
