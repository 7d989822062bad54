#include "DragRect.h"

#include <QTest>

class TestDragRect : public QObject {
    Q_OBJECT

    QPoint FPointer;
    TDragRect::TPointerPos Pointer() {
        return [this] { return FPointer; };
    }

private slots:
    void chainMovesTogetherAndApplies() {
        QWidget panel;
        panel.resize(400, 300);
        QWidget a(&panel), b(&panel), c(&panel);
        a.setGeometry(10, 10, 50, 40);
        b.setGeometry(100, 20, 60, 30);
        c.setGeometry(200, 200, 20, 20);
        FPointer = QPoint(500, 500);

        auto first = std::make_unique<TDragRect>(&a, Pointer());
        // Starts exactly over its key, beneath it.
        QCOMPARE(first->geometry(), a.geometry());
        QCOMPARE(panel.children().indexOf(first.get()), 0);
        auto second = std::make_unique<TDragRect>(&b, Pointer());
        TDragRect *secondPtr = second.get();
        first->SetNext(std::move(second));

        FPointer += QPoint(10, -5);
        first->MoveWithCursor();
        FPointer += QPoint(3, 3);
        first->MoveWithCursor();
        QCOMPARE(first->pos(), QPoint(23, 8));
        QCOMPARE(secondPtr->pos(), QPoint(113, 18));
        QCOMPARE(secondPtr->size(), b.size());
        QCOMPARE(a.pos(), QPoint(10, 10)); // keys stay until the drop

        first->ApplyToControl();
        QCOMPARE(a.geometry(), QRect(23, 8, 50, 40));
        QCOMPARE(b.geometry(), QRect(113, 18, 60, 30));
        QCOMPARE(c.geometry(), QRect(200, 200, 20, 20));
    }

    void destroyingTheFirstDestroysTheChain() {
        QWidget panel;
        QWidget a(&panel), b(&panel);
        auto first = std::make_unique<TDragRect>(&a, Pointer());
        QPointer<TDragRect> second = new TDragRect(&b, Pointer());
        first->SetNext(std::unique_ptr<TDragRect>(second.data()));
        first.reset();
        QVERIFY(second.isNull());
        QCOMPARE(panel.findChildren<TDragRect *>().size(), 0);
    }

    void keyDestroyedDuringTheDragIsSkipped() {
        QWidget panel;
        auto *a = new QWidget(&panel);
        TDragRect outline(a, Pointer());
        delete a;
        outline.ApplyToControl(); // must not touch the destroyed key
        QVERIFY(outline.Control() == nullptr);
    }
};

QTEST_MAIN(TestDragRect)
#include "tst_DragRect.moc"
