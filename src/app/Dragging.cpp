// Moving keys: a Shift + left press on a key drags it and every other selected key together.
#include "MainForm.h"

#include "DragRect.h"
#include "VxKey.h"

#include <QApplication>
#include <QCursor>

void TForm1::DragCtrStart(TVxKey *key) {
    FDragChain.reset();
    FDragChain = std::make_unique<TDragRect>(key);
    TDragRect *last = FDragChain.get();
    for (TVxKey *selected : std::as_const(FSelection)) {
        if (selected == key)
            continue;
        auto next = std::make_unique<TDragRect>(selected);
        TDragRect *nextPtr = next.get();
        last->SetNext(std::move(next));
        last = nextPtr;
    }
    // The key holds the mouse while its button is down; its moves and release come here first.
    FDragKey = key;
    key->installEventFilter(this);
}

void TForm1::DragCtrOver() {
    if (FDragChain)
        FDragChain->MoveWithCursor();
}

void TForm1::DragCtrDrop() {
    if (!FDragChain)
        return;
    FDragChain->MoveWithCursor();
    // Only a drop on a key or on an outline places the keys; anywhere else they stay.
    QWidget *target = QApplication::widgetAt(QCursor::pos());
    if (auto *outline = qobject_cast<TDragRect *>(target))
        outline->DropOnSelf();
    else if (qobject_cast<TVxKey *>(target))
        FDragChain->ApplyToControl();
}

void TForm1::DragCtrEnd() {
    FDragChain.reset();
    if (FDragKey) {
        FDragKey->removeEventFilter(this);
        FDragKey->EndDrag();
    }
    FDragKey = nullptr;
    ArrangeKeys();
}
