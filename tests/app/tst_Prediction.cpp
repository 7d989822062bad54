#include "FormFixture.h"
#include "Lexicon.h"
#include "ScanAccess.h"
#include "SlotRow.h"

#include <QAction>
#include <QFile>
#include <QTextEdit>

namespace {

constexpr quint16 Sw1 = 32;

QByteArray SmallLexicon() {
    return TLexicon::Build({{QStringLiteral("dobrý"), 900},
                            {QStringLiteral("den"), 800},
                            {QStringLiteral("děkuji"), 700},
                            {QStringLiteral("potřebuji"), 600},
                            {QStringLiteral("pomoc"), 500},
                            {QStringLiteral("prosím"), 400},
                            {QStringLiteral("ano"), 300}});
}

} // namespace

// The slot row in the window: shown for the table, filled from the display, chosen by the scan.
class TestPrediction : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;
    TForm1 &Form() { return *F->Form; }

    QString ModelFile() const { return Dirs().UserDataDir + QStringLiteral("LearnedWords.cs.txt"); }

    // A window with a comma and a full stop key in a 2 x 1 grid (or freely placed) and the slot
    // row on.
    void MakeWindow(const QByteArray &model = QByteArray(), bool grid = true) {
        F = std::make_unique<TFormFixture>();
        QDir(F->Dir.path()).mkpath(QStringLiteral("Predict"));
        QFile lex(F->Dir.filePath(QStringLiteral("Predict/cs.lex")));
        QVERIFY(lex.open(QIODevice::WriteOnly));
        lex.write(SmallLexicon());
        lex.close();
        Dirs().UserDataDir = F->Dir.filePath(QStringLiteral("user")) + QDir::separator();
        if (!model.isNull()) {
            QDir().mkpath(Dirs().UserDataDir);
            QFile file(ModelFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(model);
        }
        F->Make();
        Form().SetEditMode(true);
        Form().SetScanning(grid);
        if (grid) {
            Form().TimeGrid1->SetnCol(2);
            Form().TimeGrid1->SetnRow(1);
        }
        F->AddKey(QStringLiteral(","));
        F->AddKey(QStringLiteral("."));
        QVERIFY(Form().SlotRow->isHidden());
        // One step from the menu.
        Form().Menu.SlotsItem->trigger();
        QVERIFY(Form().CurrentSlots().On);
        QVERIFY(!Form().SlotRow->isHidden());
        QTRY_VERIFY(Form().PredictionReady());
        Form().SetEditMode(false);
    }

    void Press() {
        Form().SwitchDown(Sw1, 0);
        Form().SwitchUp(Sw1, 100);
    }

    // Steps the scan with switch 1 to (col, row) of the scan and selects it there.
    void Select(int col, int row) {
        TTimeGrid *grid = Form().TimeGrid1;
        for (int i = 0; i < 100; ++i) {
            const TScanCursor at = Form().SlotScan().ScanCursor();
            const quint8 phase = grid->ScanPhase();
            if (phase == TScanMachine::psCellSweep && at.Col == col && at.Row == row &&
                !grid->SkipTick()) {
                Press();
                return;
            }
            if (phase == TScanMachine::psRowSweep && at.Row == row && !grid->SkipTick())
                Press();
            else
                grid->ScanTick();
        }
        QFAIL("the scan never reached the cell");
    }

    void ChooseWord(const QString &word) {
        const int slot = int(Form().SlotRow->Words().indexOf(word));
        QVERIFY2(slot >= 0, qPrintable(Form().SlotRow->Words().join(QLatin1Char('|'))));
        Select(slot, 0);
    }

    void TypeKey(const QString &text) {
        const QList<QPoint> cells = Form().TimeGrid1->OccupiedCells();
        for (const QPoint &cell : cells) {
            auto *key = qobject_cast<TVxKey *>(Form().TimeGrid1->GetCell(cell.x(), cell.y()));
            if (key && key->Text() == text)
                return Select(cell.x(), cell.y() + 1);
        }
        QFAIL("no such key");
    }

private slots:
    void cleanup() { F.reset(); }

    // The sentence by switch: words from the slots, punctuation from the keys.
    void SentenceBySwitch() {
        MakeWindow();
        QCOMPARE(Form().SlotRow->SlotCount(), 5);
        Form().SetShift(true);
        ChooseWord(QStringLiteral("Dobrý"));
        QCOMPARE(Form().Display->toPlainText(), QStringLiteral("Dobrý "));
        QVERIFY(!Form().Composer().Shift());
        ChooseWord(QStringLiteral("den"));
        TypeKey(QStringLiteral(","));
        ChooseWord(QStringLiteral("potřebuji"));
        ChooseWord(QStringLiteral("pomoc"));
        TypeKey(QStringLiteral("."));
        QCOMPARE(Form().Display->toPlainText(), QStringLiteral("Dobrý den, potřebuji pomoc."));

        // Every completed word learned once, and kept in the user's data folder.
        QCOMPARE(Form().Predictor().UserModel().Use(QStringLiteral("potřebuji")).Count, 1u);
        Form().SavePrediction();
        QFile model(ModelFile());
        QVERIFY(model.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(model.readAll()).contains(QStringLiteral("potřebuji\t1\t")));
    }

    // The slots follow typing into the display, Backspace and clearing.
    void SlotsFollowTheDisplay() {
        MakeWindow();
        QTest::keyClicks(Form().Display, QStringLiteral("pros"));
        QCOMPARE(Form().SlotRow->Words().value(0), QStringLiteral("prosím"));
        QTest::keyClick(Form().Display, Qt::Key_Backspace);
        QTest::keyClick(Form().Display, Qt::Key_Backspace);
        QTest::keyClick(Form().Display, Qt::Key_Backspace);
        QVERIFY(Form().SlotRow->Words().contains(QStringLiteral("potřebuji")));
        Form().Display->clear();
        QCOMPARE(Form().SlotRow->Words().value(0), QStringLiteral("dobrý"));
        // Turned off: the scan is the grid's own again.
        Form().Menu.SlotsItem->trigger();
        QVERIFY(Form().SlotRow->isHidden());
        QCOMPARE(Form().SlotScan().ScanCursor().RowCount, 1);
    }

    // Freely placed keys: switch 1 steps through the slots before the keys, switch 2 chooses.
    void FreeLayoutBySwitch() {
        MakeWindow(QByteArray(), false);
        const quint16 sw2 = Form().TimeGrid1->SwCode2();
        TScanAccess access;
        access.Prompts = true;
        Form().SetScanAccess(access);
        QStringList &log = F->Speech.PromptOutput.Log;
        const int slot = int(Form().SlotRow->Words().indexOf(QStringLiteral("děkuji")));
        QVERIFY(slot >= 0);
        for (int i = 0; i < 20 && Form().SlotRow->CursorSlot() != slot; ++i) {
            Press();
            F->Speech.PromptOutput.Finish();
        }
        QCOMPARE(Form().SlotRow->CursorSlot(), slot);
        QVERIFY(!Form().ActiveKey());
        // The slot reached is said.
        QVERIFY2(log.contains(QStringLiteral("say děkuji")), qPrintable(log.join(u'|')));
        Form().SwitchDown(sw2, 0);
        Form().SwitchUp(sw2, 100);
        QCOMPARE(Form().Display->toPlainText(), QStringLiteral("děkuji "));
        // On past the last slot to the keys, which are clicked as before.
        for (int i = 0; i < 20 && !Form().ActiveKey(); ++i)
            Press();
        QCOMPARE(Form().SlotRow->CursorSlot(), -1);
        QVERIFY(Form().ActiveKey());
        const QString key = Form().ActiveKey()->Text();
        Form().SwitchDown(sw2, 0);
        Form().SwitchUp(sw2, 100);
        QCOMPARE(Form().Display->toPlainText(), QStringLiteral("děkuji") + key);
    }

    // Auditory prompts say the word of the slot the cursor reaches.
    void PromptsSayTheWords() {
        MakeWindow();
        qint64 now = 36000000;
        Form().ScanClock = [&now] { return now; };
        TScanAccess access;
        access.Prompts = true;
        Form().SetScanAccess(access);
        QStringList &log = F->Speech.PromptOutput.Log;
        log.clear();
        for (int i = 0; i < 3; ++i) {
            now += 1000;
            Form().Timer2Timer();
            F->Speech.PromptOutput.Finish();
        }
        const QStringList words = Form().SlotRow->Words();
        QVERIFY2(log.contains(QStringLiteral("say ") + words.value(1)),
                 qPrintable(log.join(QLatin1Char('|'))));
        QVERIFY(log.contains(QStringLiteral("say ") + words.value(2)));
    }

    // A damaged file of learned words is refused with a message and replaced; nothing else lost.
    void DamagedModel() {
        MakeWindow(QByteArray("orvanta-words 1\nclock x\n\xff\xfe"));
        bool told = false;
        for (const auto &shown : std::as_const(F->Prompts.Shown))
            told = told || shown.Text.contains(ModelFile());
        QVERIFY(told);
        QFile model(ModelFile());
        QVERIFY(model.open(QIODevice::ReadOnly));
        QVERIFY(model.readAll().startsWith("orvanta-words 1\nclock 0"));
        QCOMPARE(Form().SlotRow->Words().value(0), QStringLiteral("dobrý"));
    }
};

QTEST_MAIN(TestPrediction)
#include "tst_Prediction.moc"
