#include "FreeKeys.h"

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
