#include "AppStrings.h"
#include "DragRect.h"
#include "FormFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTextEdit>

class TestEditMode : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;

private slots:
    void init() {
        F = std::make_unique<TFormFixture>();
        F->Make();
    }
    void cleanup() { F.reset(); }

    void addingKeysFillsCellsInReadingOrder() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        TVxKey *b = F->AddKey(QStringLiteral("b"));
        TTimeGrid *grid = F->Form->TimeGrid1;
        QCOMPARE(grid->GetCell(0, 0), a);
        QCOMPARE(grid->GetCell(1, 0), b);
        // Laid out in their cells, inset by 5.
        QCOMPARE(a->geometry(), grid->CellRect(0, 0).adjusted(5, 5, -5, -5));
        QCOMPARE(a->ColorFocused(), grid->PenFocus().Color);
        QCOMPARE(F->Form->TableName(), QString());
    }

    void capacityOfTheScanningLayout() {
        TTimeGrid *grid = F->Form->TimeGrid1;
        grid->SetnCol(2);
        grid->SetnRow(1);
        F->AddKey(QStringLiteral("1"));
        F->AddKey(QStringLiteral("2"));
        F->Form->SetEditMode(true);
        F->Form->New2Click();
        QCOMPARE(F->Form->Keys().size(), 2);
        QCOMPARE(F->Prompts.Texts().last(), QStringLiteral("Max. počet kláves je 2 !"));

        // The free layout grows the grid instead.
        F->Form->SetScanning(false);
        F->Form->New2Click();
        QCOMPARE(F->Form->Keys().size(), 3);
        QCOMPARE(grid->nCol(), 3);
    }

    void selectionWithCtrlAndBackground() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        TVxKey *b = F->AddKey(QStringLiteral("b"));
        F->Form->SetEditMode(true);
        TFormFixture::Click(a, Qt::ControlModifier);
        TFormFixture::Click(b, Qt::ControlModifier);
        QCOMPARE(F->Form->Selection(), (QList<TVxKey *>{a, b}));
        QVERIFY(a->Selected());
        TFormFixture::Click(a, Qt::ControlModifier);
        QCOMPARE(F->Form->Selection(), QList<TVxKey *>{b});
        QVERIFY(!a->Selected());
        F->Form->Timer1Timer();
        QCOMPARE(F->Form->StatusPanels[1]->text(), QStringLiteral("Selected: 1"));

        QTest::mouseClick(F->Form->TimeGrid1, Qt::LeftButton, Qt::NoModifier,
                          F->Form->TimeGrid1->CellRect(5, 5).center());
        QVERIFY(F->Form->Selection().isEmpty());
        QVERIFY(!b->Selected());
        F->Form->Timer1Timer();
        QCOMPARE(F->Form->StatusPanels[1]->text(), QStringLiteral("Selected: 0"));
    }

    void deletingRemovesSelectedAndMarksModified() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        F->AddKey(QStringLiteral("b"));
        F->Form->SetTableName(QStringLiteral("t.kbt"));
        F->Form->SetEditMode(true);
        F->Form->Delete1Click(); // nothing selected: nothing removed, yet modified
        QCOMPARE(F->Form->Keys().size(), 2);
        QCOMPARE(F->Form->TableName(), QString());
        QCOMPARE(F->Form->LastTableName(), QStringLiteral("t.kbt"));
        TFormFixture::Click(a, Qt::ControlModifier);
        QPointer<TVxKey> gone(a);
        F->Form->Delete1Click();
        QVERIFY(gone.isNull());
        QCOMPARE(F->Form->Keys().size(), 1);
        QVERIFY(F->Form->Selection().isEmpty());
    }

    void keyMenuOnlyInEditMode() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        emit a->ContextMenuRequested(a, a->mapToGlobal(QPoint(5, 5)));
        QVERIFY(!F->Form->TablePopup->isVisible());
        F->Form->SetEditMode(true);
        emit a->ContextMenuRequested(a, a->mapToGlobal(QPoint(5, 5)));
        QVERIFY(F->Form->TablePopup->isVisible());
        // No picture: clear and copy are greyed out.
        QVERIFY(!F->Form->ClearItem->isEnabled());
        QVERIFY(!F->Form->CopyItem->isEnabled());
        QVERIFY(F->Form->PasteItem->isEnabled());
        F->Form->TablePopup->hide();
    }

    void pasteTakesPictureAsJpegAndText() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        F->Form->SetEditMode(true);
        F->Form->SetTableName(QStringLiteral("t.kbt"));
        F->Form->TablePopupPopup(a);
        auto *data = new QMimeData;
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::green);
        data->setImageData(image);
        data->setText(QStringLiteral("jablko"));
        QApplication::clipboard()->setMimeData(data);
        F->Form->PasteItem->trigger();
        QCOMPARE(a->Symbol().Kind(), TPicture::gkJpeg);
        QCOMPARE(a->Text(), QStringLiteral("jablko"));
        QCOMPARE(F->Form->TableName(), QString());
        F->Form->TablePopupPopup(a);
        QVERIFY(F->Form->ClearItem->isEnabled());
        F->Form->ClearItem->trigger();
        QVERIFY(a->Symbol().IsEmpty());
    }

    void editWithoutSelectionExplainsHow() {
        F->Form->SetEditMode(true);
        F->Form->Edit1Click();
        QCOMPARE(F->Prompts.Texts().last(), QString(AppStrings::NoKeySelected));
    }

    void draggingMovesSelectedKeysTogether() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        TVxKey *b = F->AddKey(QStringLiteral("b"));
        F->AddKey(QStringLiteral("c"));
        F->Form->SetTableName(QStringLiteral("t.kbt"));
        F->Form->SetEditMode(true);
        TFormFixture::Click(a, Qt::ControlModifier);
        TFormFixture::Click(b, Qt::ControlModifier);
        TTimeGrid *grid = F->Form->TimeGrid1;
        const QPoint oneRowDown(0, grid->CellRect(0, 1).top() - grid->CellRect(0, 0).top());

        QCursor::setPos(a->mapToGlobal(a->rect().center()));
        QTest::mousePress(a, Qt::LeftButton, Qt::ShiftModifier, a->rect().center());
        QVERIFY(F->Form->DragChain());
        QCursor::setPos(QCursor::pos() + oneRowDown);
        QMouseEvent move(QEvent::MouseMove, a->rect().center() + oneRowDown,
                         a->mapToGlobal(a->rect().center() + oneRowDown), Qt::NoButton,
                         Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(a, &move);
        QCOMPARE(F->Form->DragChain()->pos(), a->pos() + oneRowDown);
        // Released over the moved outline, where no key covers it.
        QTest::mouseRelease(a, Qt::LeftButton, Qt::ShiftModifier, a->rect().center());
        QVERIFY(!F->Form->DragChain());
        QCOMPARE(grid->GetCell(0, 1), a);
        QCOMPARE(grid->GetCell(1, 1), b);
        QCOMPARE(F->Form->TableName(), QStringLiteral("t.kbt")); // moving does not modify
    }

    void dropOnTheBackgroundLeavesKeysInPlace() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        F->Form->SetEditMode(true);
        TTimeGrid *grid = F->Form->TimeGrid1;
        QCursor::setPos(a->mapToGlobal(a->rect().center()));
        QTest::mousePress(a, Qt::LeftButton, Qt::ShiftModifier, a->rect().center());
        // The outline follows the pointer; out over the text display nothing takes the drop.
        const QPoint far = F->Form->Display->mapToGlobal(F->Form->Display->rect().center());
        QCursor::setPos(far);
        QMouseEvent move(QEvent::MouseMove, a->mapFromGlobal(far), far, Qt::NoButton,
                         Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(a, &move);
        QTest::mouseRelease(a, Qt::LeftButton, Qt::ShiftModifier, a->rect().center());
        QCOMPARE(grid->GetCell(0, 0), a);
        QVERIFY(F->Form->findChildren<TDragRect *>().isEmpty());
    }

    void switchingLayoutsMovesKeysBetweenParents() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        F->Form->SetScanning(false);
        QCOMPARE(a->parentWidget(), F->Form->KeyPanel);
        QVERIFY(F->Form->TimeGrid1->isHidden());
        QCOMPARE(F->Form->ActiveKey(), a);
        F->Form->SetScanning(true);
        QCOMPARE(a->parentWidget(), F->Form->TimeGrid1);
        QCOMPARE(F->Form->ActiveKey(), nullptr);
    }
};

QTEST_MAIN(TestEditMode)
#include "tst_EditMode.moc"
