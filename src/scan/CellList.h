#pragma once

#include "Limits.h"

#include <QHash>
#include <QList>
#include <QtGlobal>
#include <algorithm>
#include <type_traits>

// The grid's cells as one flat row-major list: cell (c, r) is slot c + r * nCol for the column
// count of the moment, so changing the count re-interprets the list. A slot refers to a control
// that the list does not own. `Slot` is pointer-like (a raw pointer or a QPointer); its default
// value is the empty slot. The list may be shorter than the grid: missing slots count as empty.
template <typename Slot>
class TCellList {
public:
    // A placement past this many slots is refused like a negative one, so that a damaged table
    // cannot make the grid allocate billions of empty slots: every cell of the largest grid.
    static constexpr qint64 MaxSlots = Limits::MaxGridCells;

    static qint64 Index(int c, int r, int nCol) { return qint64(c) + qint64(r) * nCol; }

    // Puts `control` into cell (c, r). A control already in the list leaves its old slot first;
    // the former occupant of an overwritten slot simply leaves the grid. A null control empties
    // the cell.
    template <typename Control>
    void PutCell(int c, int r, int nCol, Control *control) {
        if (control) {
            const auto where = FWhere.constFind(control);
            if (where != FWhere.cend()) {
                if (*where < FSlots.size() && FSlots[*where] == control)
                    FSlots[*where] = Slot();
                FWhere.erase(where);
            }
        }
        const qint64 index = Index(c, r, nCol);
        if (index < 0 || index >= MaxSlots)
            return;
        if (index >= FSlots.size()) {
            if (!control)
                return; // missing slots are empty already
            FSlots.resize(index + 1);
        }
        if (const void *former = Address(FSlots[index]))
            FWhere.remove(former);
        FSlots[index] = control;
        if (control)
            FWhere.insert(control, index);
    }

    // The slot of cell (c, r); empty when the index is negative or past the end of the list.
    Slot GetCell(int c, int r, int nCol) const {
        const qint64 index = Index(c, r, nCol);
        if (index < 0 || index >= FSlots.size())
            return Slot();
        return FSlots[index];
    }

    void ClearCells() {
        FSlots.clear();
        FWhere.clear();
    }
    qsizetype Size() const { return FSlots.size(); }
    // The indices of the occupied slots, ascending: the work is the number of controls placed,
    // not the length of the list.
    QList<qint64> Occupied() const {
        QList<qint64> out;
        out.reserve(FWhere.size());
        for (auto it = FWhere.cbegin(); it != FWhere.cend(); ++it) {
            if (*it < FSlots.size() && Address(FSlots[*it]) == it.key())
                out.append(*it);
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    const QList<Slot> &Slots() const { return FSlots; }

private:
    static const void *Address(const Slot &slot) {
        if constexpr (std::is_pointer_v<Slot>)
            return slot;
        else
            return slot.data();
    }

    QList<Slot> FSlots;
    // Where each control was put, so that filling a large table stays linear. An entry may
    // outlive its control (a QPointer slot turns empty); it is trusted only while its slot
    // still holds that control.
    QHash<const void *, qsizetype> FWhere;
};
