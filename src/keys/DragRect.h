#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

// The outline that stands for a key while keys are dragged: one per dragged key, chained
// through Next. It lies beneath the keys of its parent, so it shows wherever no key covers it;
// every outline of the chain moves by the pointer's movement, and a drop gives every key the
// place of its outline.
class TDragRect : public QWidget {
    Q_OBJECT

public:
    // Where the pointer is on the screen; replaceable for tests.
    using TPointerPos = std::function<QPoint()>;

    // A new outline over `control`, in the control's parent, beneath its siblings.
    explicit TDragRect(QWidget *control, const TPointerPos &pointerPos = {});
    ~TDragRect() override;

    QWidget *Control() const { return FControl; }
    TDragRect *Next() const { return FNext.get(); }
    // Takes ownership: destroying this outline destroys the rest of the chain.
    void SetNext(std::unique_ptr<TDragRect> next);
    QPoint StartPos() const { return FStartPos; }
    QPoint LastPos() const { return FLastPos; }

    // Moves this outline and the rest of the chain by the pointer's movement since the last
    // move.
    void MoveWithCursor();
    // Gives each control of the chain the bounds of its outline.
    void ApplyToControl();
    // A drop on this outline itself: applies it, then the rest of the chain once more.
    void DropOnSelf();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QWidget> FControl;
    std::unique_ptr<TDragRect> FNext;
    TPointerPos FPointerPos;
    QPoint FStartPos;
    QPoint FLastPos;
};
