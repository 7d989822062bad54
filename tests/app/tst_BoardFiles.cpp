#include "BoardBuilder.h"
#include "FormFixture.h"
#include "ObfImport.h"
#include "ObfStrings.h"

#include <QFile>
#include <QFileInfo>

namespace {

TVxKey *KeyWithText(TForm1 &form, const QString &text) {
    for (TVxKey *key : form.Keys()) {
        if (key->Text() == text)
            return key;
    }
    return nullptr;
}

QStringList ShownOf(const TScriptedPrompts &prompts, TScriptedPrompts::TKind kind) {
    QStringList texts;
    for (const auto &shown : prompts.Shown) {
        if (shown.Kind == kind)
            texts.append(shown.Text);
    }
    return texts;
}

} // namespace

class TestBoardFiles : public QObject {
    Q_OBJECT

    static QString WritePackage(const TFormFixture &f, const QString &name, const QByteArray &b) {
        const QString path = f.Dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(b) != b.size())
            qFatal("cannot write the package");
        return path;
    }

private slots:
    // A package of three boards opened from "&Otevřít...": its first board opens, a link key
    // opens the linked table, the sound key plays the imported sound, and what could not be
    // converted is told once.
    void openedPackageWorksInTheWindow() {
        TFormFixture f;
        TForm1 &form = f.Make();
        f.Prompts.FileNames << WritePackage(f, QStringLiteral("Desky.obz"),
                                            BoardBuilder::ThreeBoardPackage());
        form.Open1Click();
        const QStringList messages = ShownOf(f.Prompts, TScriptedPrompts::kMessage);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith(ObfStrings::ImportReportHeading));
        QVERIFY(messages[0].contains(QStringLiteral(":skákej")));
        QCOMPARE(ShownOf(f.Prompts, TScriptedPrompts::kError), QStringList());
        QCOMPARE(form.TableName(), QStringLiteral("Desky/Domů.kbt"));
        QCOMPARE(form.Keys().size(), 4);
        QVERIFY(!KeyWithText(form, QStringLiteral("Jídlo"))->Symbol().IsEmpty());

        form.SetEditMode(false);
        TFormFixture::Click(KeyWithText(form, QStringLiteral("zvonek")));
        QCOMPARE(f.Speech.Sounds.size(), 1);
        QVERIFY(f.Speech.Sounds[0].endsWith(QStringLiteral("Sounds/Desky/bell.wav")));
        QVERIFY(QFile::exists(f.Speech.Sounds[0]));

        TFormFixture::Click(KeyWithText(form, QStringLiteral("Zvířata")));
        // The linked table replaces the key's own once the click has returned.
        QTRY_COMPARE(form.TableName(), QStringLiteral("Desky/Zvířata.kbt"));
        QVERIFY(!KeyWithText(form, QStringLiteral("pes"))->Symbol().IsEmpty());
        TFormFixture::Click(KeyWithText(form, QStringLiteral("domů")));
        QTRY_COMPARE(form.TableName(), QStringLiteral("Desky/Domů.kbt"));
        TFormFixture::Click(KeyWithText(form, QStringLiteral("Jídlo")));
        QTRY_COMPARE(form.TableName(), QStringLiteral("Desky/Jídlo.kbt"));
        QCOMPARE(form.Keys().size(), 4);
    }

    // "&Uložit..." to a .obz writes the table with the tables it links to.
    void savingAsPackageExportsTheLinkedTables() {
        TFormFixture f;
        TForm1 &form = f.Make();
        f.Prompts.FileNames << WritePackage(f, QStringLiteral("Desky.obz"),
                                            BoardBuilder::ThreeBoardPackage());
        form.Open1Click();
        const QString out = f.Dir.filePath(QStringLiteral("ven.obz"));
        f.Prompts.FileNames << out;
        form.Save1Click();
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const TObfImportResult again = ImportBoards(file.readAll(), QStringLiteral("x"));
        QCOMPARE(again.Tables.size(), 3);
        QCOMPARE(again.Sounds.size(), 1);
        QCOMPARE(form.TableName(), QStringLiteral("Desky/Domů.kbt")); // still the table's name
    }

    // A damaged package: one error naming the file; the open table stays.
    void damagedPackageIsReported() {
        TFormFixture f;
        TForm1 &form = f.Make();
        f.Prompts.FileNames << WritePackage(f, QStringLiteral("Desky.obz"),
                                            BoardBuilder::ThreeBoardPackage());
        form.Open1Click();
        const QString bad =
            WritePackage(f, QStringLiteral("zlý.obf"), QByteArray("{\"buttons\": ["));
        f.Prompts.Shown.clear();
        f.Prompts.FileNames << bad;
        form.Open1Click();
        const QStringList errors = ShownOf(f.Prompts, TScriptedPrompts::kError);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].startsWith(ObfStrings::CannotImport + bad));
        QCOMPARE(form.TableName(), QStringLiteral("Desky/Domů.kbt"));
        QVERIFY(!QFileInfo::exists(Dirs().TablesDir + QStringLiteral("zlý")));
    }
};

QTEST_MAIN(TestBoardFiles)
#include "tst_BoardFiles.moc"
