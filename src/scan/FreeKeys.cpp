#include "FreeKeys.h"

#include "SlotRowScan.h"

#include <algorithm>

namespace {

// The first visible key after `from` in list order, round from the last to the first; -1 when
// no key is visible.
int NextVisible(const TFreeKeys &keys, int from) {
    const int count = keys.KeyCount();
    for (int step = 1; step <= count; ++step) {
        const int index = ((from + step) % count + count) % count;
        if (keys.KeyVisible(index))
            return index;
    }
    return -1;
}

} // namespace

void StepFreeKey(TFreeKeys &keys, int key, int swCode1, int swCode2, bool editMode) {
    if ((key != swCode1 && key != swCode2) || editMode || keys.KeyCount() <= 0)
        return;
    if (keys.ActiveIndex() < 0)
        keys.SetActiveIndex(0);
    int active = keys.ActiveIndex();
    const bool visible = active >= 0 && active < keys.KeyCount() && keys.KeyVisible(active);
    if (key == swCode1) {
        const int next = NextVisible(keys, active);
        if (next < 0)
            return;
        keys.SetActiveIndex(next);
        keys.PointToActive();
    } else if (!visible) {
        return;
    }
    if (key == swCode2)
        keys.ClickActive();
}

int TFreeKeysWithSlots::SlotCount() const {
    return FSlots ? std::max(0, FSlots->SlotCount()) : 0;
}

int TFreeKeysWithSlots::ActiveSlot() const {
    const int slot = FSlots ? FSlots->CursorSlot() : -1;
    return slot < SlotCount() ? slot : -1;
}

int TFreeKeysWithSlots::KeyCount() const {
    return SlotCount() + FKeys.KeyCount();
}

int TFreeKeysWithSlots::ActiveIndex() const {
    const int slot = ActiveSlot();
    if (slot >= 0)
        return slot;
    const int key = FKeys.ActiveIndex();
    return key < 0 ? -1 : SlotCount() + key;
}

bool TFreeKeysWithSlots::KeyVisible(int index) const {
    const int slots = SlotCount();
    return index < slots || FKeys.KeyVisible(index - slots);
}

void TFreeKeysWithSlots::SetActiveIndex(int index) {
    const int slots = SlotCount();
    if (index >= 0 && index < slots) {
        FKeys.SetActiveIndex(-1);
        FSlots->ShowSlotCursor(index, true);
        return;
    }
    if (slots > 0)
        FSlots->ShowSlotCursor(-1, false);
    FKeys.SetActiveIndex(index < 0 ? -1 : index - slots);
}

void TFreeKeysWithSlots::PointToActive() {
    const int slot = ActiveSlot();
    if (slot >= 0)
        FSlots->PointToSlot(slot);
    else
        FKeys.PointToActive();
}

void TFreeKeysWithSlots::ClickActive() {
    const int slot = ActiveSlot();
    if (slot >= 0)
        FSlots->ClickSlot(slot);
    else
        FKeys.ClickActive();
}
