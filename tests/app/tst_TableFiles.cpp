#include "AppStrings.h"
#include "Error.h"
#include "FormFixture.h"
#include "TableFormat.h"

#include <QAction>
#include <QFile>

namespace {

QByteArray ReadFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TTableReadResult ReadTable(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return ReadTableFile(&f);
}

void WriteFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

} // namespace

class TestTableFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;

private slots:
    void init() {
        F = std::make_unique<TFormFixture>();
        F->Make();
    }
    void cleanup() { F.reset(); }

    void emptyTablesAreTheirHeaders_data() {
        QTest::addColumn<bool>("scanning");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("free") << false << QByteArray(5, 0);
        QTest::newRow("scanning") << true << QByteArray("\x01\0\0\0\0\x0A\0\0\0\x06\0\0\0", 13);
    }
    void emptyTablesAreTheirHeaders() {
        QFETCH(bool, scanning);
        QFETCH(QByteArray, bytes);
        F->Form->SetScanning(scanning);
        const QString path = F->TablePath(QStringLiteral("empty.kbt"));
        F->Form->SaveTable(path);
        QCOMPARE(ReadFile(path), bytes);
        QCOMPARE(F->Form->TableName(), path);
    }

    void scanningTableRoundTrip() {
        F->AddKey(QStringLiteral("a"));
        TVxKey *b = F->AddKey(QStringLiteral("b"), TSpecialKey::Other);
        b->SetKbdName(QStringLiteral("jiná.kbt"));
        TTimeGrid *grid = F->Form->TimeGrid1;
        // Move b to (2, 1): written after the key of (0, 0).
        grid->PutCell(2, 1, b);
        grid->ArrangeCells();
        const QString path = F->TablePath(QStringLiteral("t.kbt"));
        F->Form->SaveTable(path);
        const TTableReadResult read = ReadTable(path);
        QVERIFY(read.Ok());
        QCOMPARE(read.Table.Keys.size(), 2);
        QCOMPARE(read.Table.Keys[1].Col, 2);
        QCOMPARE(read.Table.Keys[1].Row, 1);

        TVxKey::ActiveFrameWidth = 1;
        F->Form->LoadTable(QStringLiteral("t.kbt"));
        QCOMPARE(F->Form->TableName(), QStringLiteral("t.kbt"));
        QCOMPARE(F->Form->Keys().size(), 2);
        auto *loaded = qobject_cast<TVxKey *>(grid->GetCell(2, 1));
        QVERIFY(loaded);
        QCOMPARE(loaded->KbdName(), QStringLiteral("jiná.kbt"));
        QCOMPARE(loaded->PopupMenu(), F->Form->TablePopup);
        QCOMPARE(grid->iCol(), 0);
        QCOMPARE(grid->iRow(), 0);
        QCOMPARE(TVxKey::ActiveFrameWidth, grid->PenFocus().Width);
        // Saved again unchanged: the same bytes.
        const QByteArray before = ReadFile(path);
        F->Form->SaveTable(path);
        QCOMPARE(ReadFile(path), before);
    }

    // The table named on the command line is loaded before the window is first shown; its keys
    // still end in their own cells, on screen inside them.
    void tableAtStartKeepsItsCells() {
        F->Form->SetEditMode(true);
        for (const char *t : {"a", "b", "c", "d", "e", "f", "g"})
            F->AddKey(QString::fromLatin1(t));
        TTimeGrid *grid = F->Form->TimeGrid1;
        grid->PutCell(9, 5, grid->GetCell(6, 0));
        grid->PutCell(6, 0, nullptr);
        const QString path = F->TablePath(QStringLiteral("start.kbt"));
        F->Form->SaveTable(path);
        F->Form.reset();

        TForm1 &form = F->Make({QStringLiteral("start.kbt")});
        QVERIFY(!form.EditMode());
        const QString expected = QStringLiteral("abcdef");
        for (int c = 0; c < 6; ++c) {
            auto *key = qobject_cast<TVxKey *>(form.TimeGrid1->GetCell(c, 0));
            QVERIFY(key);
            QCOMPARE(key->Text(), QString(expected[c]));
            QVERIFY(key->isVisible());
            QVERIFY(form.TimeGrid1->CellRect(c, 0).contains(key->geometry().center()));
        }
        auto *last = qobject_cast<TVxKey *>(form.TimeGrid1->GetCell(9, 5));
        QVERIFY(last);
        QCOMPARE(last->Text(), QStringLiteral("g"));
        QVERIFY(form.TimeGrid1->CellRect(9, 5).contains(last->geometry().center()));
    }

    void freeTableKeepsCreationOrder() {
        F->Form->SetScanning(false);
        F->AddKey(QStringLiteral("first"));
        F->AddKey(QStringLiteral("second"));
        const QString path = F->TablePath(QStringLiteral("f.kbt"));
        F->Form->SaveTable(path);
        F->Form->LoadTable(path);
        QVERIFY(!F->Form->Scanning());
        QVERIFY(!F->Form->Menu.ScanItem->isChecked());
        QCOMPARE(F->Form->Keys().size(), 2);
        QCOMPARE(F->Form->Keys()[0]->Text(), QStringLiteral("first"));
    }

    void layoutByteTwoIsScanning() {
        const QString path = F->TablePath(QStringLiteral("two.kbt"));
        WriteFile(path, QByteArray("\x02\0\0\0\0\x04\0\0\0\x03\0\0\0", 13));
        F->Form->SetScanning(false);
        F->Form->LoadTable(path);
        QVERIFY(F->Form->Scanning());
        QCOMPARE(F->Form->TimeGrid1->nCol(), 4);
    }

    void damagedTableKeepsWhatWasRead() {
        F->AddKey(QStringLiteral("a"));
        F->AddKey(QStringLiteral("b"));
        const QString path = F->TablePath(QStringLiteral("d.kbt"));
        F->Form->SaveTable(path);
        QByteArray bytes = ReadFile(path);
        WriteFile(path, bytes.left(bytes.size() - 4));
        F->Form->SetTableName(QStringLiteral("old.kbt"));
        F->Form->LoadTable(QStringLiteral("d.kbt"));
        QVERIFY(F->Prompts.Texts().last().startsWith(
            QStringLiteral("Tabulku nelze otevřít: d.kbt\rklávesa 2: soubor je zkrácený (bajt ")));
        QCOMPARE(F->Form->Keys().size(), 1);
        QCOMPARE(F->Form->TableName(), QStringLiteral("old.kbt"));
    }

    void missingOrUnnamedTables() {
        QVERIFY_THROWS_EXCEPTION(TError, F->Form->LoadTable(QStringLiteral("none.kbt")));
        F->Form->LoadTable(QString());
        QCOMPARE(F->Prompts.Texts().last(),
                 QStringLiteral("\rTabulku nelze nahrát.\rZkuste nahrát tabulku z menu "
                                "Soubor/Otevřít..."));
    }

    void namesMadeOnWindowsFindTheirFile() {
        F->AddKey(QStringLiteral("a"));
        F->Form->SaveTable(F->TablePath(QStringLiteral("Velka.KBT")));
        F->Form->LoadTable(QStringLiteral("velka.kbt"));
        QCOMPARE(F->Form->Keys().size(), 1);
    }

    void askSaveOnlyForUnnamedTablesWithKeys() {
        F->Form->AskSaveTable();
        QVERIFY(F->Prompts.Shown.isEmpty());
        F->AddKey(QStringLiteral("a"));
        F->Prompts.Answers = {true};
        const QString path = F->TablePath(QStringLiteral("asked.kbt"));
        F->Prompts.FileNames = {path};
        F->Form->AskSaveTable();
        QCOMPARE(F->Prompts.Shown[0].Text, QStringLiteral("Uložit tabulku ?"));
        QCOMPARE(F->Prompts.Shown[1].Kind, TScriptedPrompts::kSaveFile);
        QVERIFY(QFile::exists(path));
        QCOMPARE(F->Form->TableName(), path);
    }

    // The answer decides whether the window may go; it is asked once, while it is still there.
    void closingOffersTheTableOnce_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("file"); // relative to the temporary folder; empty: cancelled
        QTest::addColumn<bool>("closes");
        QTest::newRow("declined") << false << QString() << true;
        QTest::newRow("saved") << true << QStringLiteral("Tables/closed.kbt") << true;
        QTest::newRow("dialog cancelled") << true << QString() << false;
        QTest::newRow("write failed") << true << QStringLiteral("Tables") << false;
    }
    void closingOffersTheTableOnce() {
        QFETCH(bool, answer);
        QFETCH(QString, file);
        QFETCH(bool, closes);
        F->AddKey(QStringLiteral("a"));
        F->Prompts.Answers = {answer};
        if (!file.isEmpty())
            F->Prompts.FileNames = {F->Dir.filePath(file)};
        QCOMPARE(F->Form->close(), closes);
        QCOMPARE(F->Form->isVisible(), !closes);
        QCOMPARE(F->Form->Keys().size(), 1);
        if (closes)
            F->Form.reset();
        int questions = 0;
        for (const auto &shown : std::as_const(F->Prompts.Shown))
            questions += shown.Kind == TScriptedPrompts::kQuestion;
        QCOMPARE(questions, 1);
    }

    // Another table does not replace one the user wanted saved and that was not.
    void unsavedTableStaysForAnotherTable() {
        F->AddKey(QStringLiteral("a"));
        F->AddKey(QStringLiteral("b"));
        F->Form->SaveTable(F->TablePath(QStringLiteral("other.kbt")));
        F->Form->New1Click();
        QCOMPARE(F->Form->Keys().size(), 0);
        F->AddKey(QStringLiteral("c"));
        F->Prompts.Answers = {true, true};
        F->Form->LoadTable(QStringLiteral("other.kbt")); // the save dialog is cancelled
        QCOMPARE(F->Form->Keys().size(), 1);
        QCOMPARE(F->Form->Keys()[0]->Text(), QStringLiteral("c"));
        F->Form->New1Click();
        QCOMPARE(F->Form->Keys().size(), 1);
        QVERIFY(F->Form->TableName().isEmpty());
    }

    void saveProposesTheLastName() {
        F->Form->SetTableName(QStringLiteral("abc.kbt"));
        F->Form->SetTableName(QString());
        F->Form->Save1Click();
        QCOMPARE(F->Prompts.Shown.last().Directory, F->TablePath(QStringLiteral("abc.kbt")));
    }

    void failedSaveKeepsTheOldFile() {
        F->AddKey(QStringLiteral("a"));
        const QString path = F->TablePath(QStringLiteral("keep.kbt"));
        F->Form->SaveTable(path);
        const QByteArray before = ReadFile(path);
        F->Prompts.FileNames = {F->Dir.path()}; // a folder cannot be replaced by a file
        F->Form->Save1Click();
        QCOMPARE(F->Prompts.Shown.last().Kind, TScriptedPrompts::kError);
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(F->Form->TableName(), path);
    }

    void keyFilesAddKeysAndMarkModified() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        TVxKey *b = F->AddKey(QStringLiteral("b"));
        F->AddKey(QStringLiteral("c"));
        F->Form->SetEditMode(true);
        F->Form->SaveKey1Click(); // nothing selected
        QCOMPARE(F->Prompts.Texts().last(), QString(AppStrings::NoKeySelected));
        TFormFixture::Click(a, Qt::ControlModifier);
        TFormFixture::Click(b, Qt::ControlModifier);
        const QString keys = F->TablePath(QStringLiteral("k.kyf"));
        F->Prompts.FileNames = {keys};
        F->Form->SaveKey1Click();
        QCOMPARE(ReadFile(keys).left(4), QByteArray("\x02\0\0\0", 4));

        // Three keys into a 2 x 2 grid that has one free cell: one key gets no cell.
        F->Form->TimeGrid1->SetnCol(2);
        F->Form->TimeGrid1->SetnRow(2);
        F->Form->ArrangeKeys();
        F->Form->SetTableName(QStringLiteral("t.kbt"));
        F->Prompts.FileNames = {keys};
        F->Form->LoadKey1Click();
        QCOMPARE(F->Form->Keys().size(), 5);
        QCOMPARE(F->Form->TableName(), QString());
        int inCells = 0;
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c)
                inCells += F->Form->TimeGrid1->GetCell(c, r) ? 1 : 0;
        QCOMPARE(inCells, 4);
    }

    void otherKeySwitchesTablesAfterItsClick() {
        F->AddKey(QStringLiteral("x"));
        F->Form->SaveTable(F->TablePath(QStringLiteral("druha.kbt")));
        F->Form->New1Click();
        F->Prompts.Answers = {false};
        TVxKey *other = F->AddKey(QStringLiteral("Dál"), TSpecialKey::Other);
        other->SetKbdName(QStringLiteral("druha.kbt"));
        QPointer<TVxKey> gone(other);
        F->Prompts.Answers = {false};
        TFormFixture::Click(other);
        QVERIFY(!gone.isNull()); // still there while its click runs
        QTRY_COMPARE(F->Form->TableName(), QStringLiteral("druha.kbt"));
        QVERIFY(gone.isNull());
        QCOMPARE(F->Form->Keys().constFirst()->Text(), QStringLiteral("x"));
    }
};

QTEST_MAIN(TestTableFiles)
#include "tst_TableFiles.moc"
