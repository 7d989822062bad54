#include "ScanPrompt.h"

#include "AppStrings.h"

#include <iterator>

static_assert(std::size(AppStrings::SpecialKeyPrompts) == SpecialKeyCount);

QString ScanPrompt::KeyPrompt(TSpecialKey kind, const QString &text) {
    const QString trimmed = text.trimmed();
    const bool labelled = kind == TSpecialKey::Sound || kind == TSpecialKey::Other;
    if (kind == TSpecialKey::None || (labelled && !trimmed.isEmpty()))
        return trimmed;
    return AppStrings::SpecialKeyPrompts[std::size_t(kind)];
}

QString ScanPrompt::RowPrompt(int row, TRowPrompt mode, const QString &firstKey) {
    if (mode == TRowPrompt::rpFirstKey && !firstKey.isEmpty())
        return firstKey;
    return AppStrings::RowPrompt(row + 1);
}

QString ScanPrompt::SlotPrompt(const QStringList &words, int slot, bool asRow, TRowPrompt mode) {
    if (!asRow)
        return words.value(slot).trimmed();
    if (mode == TRowPrompt::rpFirstKey && !words.value(0).isEmpty())
        return words.value(0);
    return AppStrings::SlotRowPrompt;
}
