#pragma once

#include <QtGlobal>

class TSlotCursor;

// What switch stepping in the free layout needs of the window's keys: the key list in its
// order, the active key, and the pointer moves and clicks done to it.
class TFreeKeys {
public:
    virtual ~TFreeKeys() = default;

    virtual int KeyCount() const = 0;
    // The index of the active key in the key list; -1 when there is none.
    virtual int ActiveIndex() const = 0;
    virtual bool KeyVisible(int index) const = 0;
    // Makes the key at `index` the active one (the old one loses the mark; both repaint); -1
    // leaves no key active.
    virtual void SetActiveIndex(int index) = 0;
    // Puts the mouse pointer on the active key's bottom-right corner.
    virtual void PointToActive() = 0;
    // Feeds the active key a left-button press and release where the pointer is, no modifiers.
    virtual void ClickActive() = 0;
};

// A switch release in the free layout (`key` is switch 2 already when the press was long):
// switch 1 makes the next key of the list active, switch 2 clicks the active key; a key that
// is both does both. Nothing in edit mode, with an empty list, or for any other key. Hidden keys
// are passed over, so that a hidden key can never hold the scan.
void StepFreeKey(TFreeKeys &keys, int key, int swCode1, int swCode2, bool editMode);

// The free layout's keys with the row of word slots in front of them, as switch stepping sees
// them: the slots come first, one step each, then the keys in their order. While the cursor
// stands on a slot no key is active; which slot it is, the row keeps. Without slots (the row
// off, or none) the list is exactly the keys.
class TFreeKeysWithSlots : public TFreeKeys {
public:
    TFreeKeysWithSlots(TFreeKeys &keys, TSlotCursor *slotRow, bool slotsOn)
        : FKeys(keys)
        , FSlots(slotsOn ? slotRow : nullptr) {}

    int KeyCount() const override;
    int ActiveIndex() const override;
    bool KeyVisible(int index) const override;
    void SetActiveIndex(int index) override;
    void PointToActive() override;
    void ClickActive() override;

private:
    int SlotCount() const;
    // The slot under the cursor, -1 when the cursor is on a key or nowhere.
    int ActiveSlot() const;

    TFreeKeys &FKeys;
    TSlotCursor *FSlots;
};
