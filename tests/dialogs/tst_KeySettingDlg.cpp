#include "ColorSwatch.h"
#include "Directories.h"
#include "KeySettingDlg.h"
#include "MetafileBuilder.h"
#include "RecordingSpeech.h"
#include "ScriptedPrompts.h"
#include "SymbolImage.h"
#include "VxKey.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

QString WriteFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QString WriteImage(const QString &path, QSize size, const char *format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QDir().mkpath(QFileInfo(path).absolutePath());
    image.save(path, format);
    return path;
}

QByteArray Wmf() {
    return TWmfBuilder().Rectangle(0, 0, 10, 10).Build(QRect(0, 0, 1440, 720));
}

} // namespace

// A dialog with its keys on a host widget, scripted prompts and data folders in a temporary
// directory.
class TestKeySettingDlg : public QObject {
    Q_OBJECT

    TScriptedPrompts Prompts;
    TRecordingSpeech Speech;
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<QWidget> Host;
    std::unique_ptr<TKeySettingDlg> Dlg;
    QList<TVxKey *> Selection;

    TVxKey *Key(const QString &text, TSpecialKey kind = TSpecialKey::None) {
        auto *key = new TVxKey(Host.get());
        key->SetText(text);
        key->SetSpecialKey(kind);
        return key;
    }
    bool TabVisible(QWidget *page) const {
        return Dlg->PageControl1->isTabVisible(Dlg->PageControl1->indexOf(page));
    }
    void Show() {
        Dlg->show();
        QTRY_COMPARE(QApplication::activeWindow(), Dlg.get());
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale::c());
        SetPrompts(&Prompts);
    }
    void cleanupTestCase() { SetPrompts(nullptr); }

    void init() {
        Dir = std::make_unique<QTemporaryDir>();
        for (const char *sub : {"Tables", "Sounds", "Images"})
            QDir(Dir->path()).mkpath(QLatin1String(sub));
        Dirs() = DeriveDirectories(Dir->path(), Dir->filePath(QStringLiteral("orvanta")),
                                   [](const QString &) { return true; });
        Host = std::make_unique<QWidget>();
        Dlg = std::make_unique<TKeySettingDlg>(&Speech);
        Selection.clear();
        Prompts.Shown.clear();
        Speech.Sounds.clear();
    }
    void cleanup() {
        Dlg.reset();
        Host.reset();
        Dir.reset();
    }

    void createdWithTheOtherTabHidden() {
        QVERIFY(!TabVisible(Dlg->JineSheet));
        QCOMPARE(Dlg->SpecialCombo->count(), 25);
        QCOMPARE(Dlg->SpecialCombo->itemText(23), QStringLiteral("Sound"));
        QCOMPARE(Dlg->SpecialCombo->itemText(9), QStringLiteral("End"));
        QCOMPARE(Dlg->BtnHEdit->maximum(), 600);
        QCOMPARE(Dlg->BtnWEdit->singleStep(), 5);
        QCOMPARE(Dlg->BordEdit->minimum(), 1);
        QVERIFY(Dlg->WorkingKey()->isHidden());
    }

    // The tab of the sound and the table follows the key's kind: on opening, and when the user
    // chooses another kind in the list (here with the keyboard).
    void otherTabFollowsTheKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("comboKey"); // 0: no choice in the list
        QTest::addColumn<bool>("tab");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("table");
        QTest::newRow("sound key") << int(TSpecialKey::Sound) << 0 << true << true << false;
        QTest::newRow("other key") << int(TSpecialKey::Other) << 0 << true << false << true;
        QTest::newRow("enter key") << int(TSpecialKey::Enter) << 0 << false << false << false;
        QTest::newRow("plain key") << int(TSpecialKey::None) << 0 << false << false << false;
        QTest::newRow("enter, then Other chosen")
            << int(TSpecialKey::Enter) << int(Qt::Key_End) << true << false << true;
        QTest::newRow("sound, then None chosen")
            << int(TSpecialKey::Sound) << int(Qt::Key_Home) << false << false << false;
    }
    void otherTabFollowsTheKind() {
        QFETCH(int, kind);
        QFETCH(int, comboKey);
        QFETCH(bool, sound);
        QFETCH(bool, table);
        // The list was last left at "Other": that must not close the sound of a Sound key.
        Dlg->SpecialComboChange(int(TSpecialKey::Other));
        Dlg->FillFromKey(Key(QStringLiteral("k"), TSpecialKey(kind)));
        QCOMPARE(Dlg->SystemChk->isChecked(), kind != 0);
        QCOMPARE(Dlg->SpecialCombo->isEnabled(), kind != 0);
        QCOMPARE(Dlg->SpecialCombo->currentIndex(), kind);
        if (comboKey) {
            Show();
            Dlg->SpecialCombo->setFocus();
            QTest::keyClick(Dlg->SpecialCombo, Qt::Key(comboKey));
        }
        QTEST(TabVisible(Dlg->JineSheet), "tab");
        QCOMPARE(Dlg->SoundFileEdit->isEnabled(), sound);
        QCOMPARE(Dlg->SoundBtn->isEnabled(), sound);
        QCOMPARE(Dlg->ReplayBtn->isEnabled(), sound);
        QCOMPARE(Dlg->KeybdEdit->isEnabled(), table);
        QCOMPARE(Dlg->KeybdBtn->isEnabled(), table);
        QCOMPARE(Dlg->VxKey1->SpecialKey(), Dlg->WorkingKey()->SpecialKey());
    }

    void uncheckingTheSystemKeyMakesAnOrdinaryKey() {
        Dlg->FillFromKey(Key(QStringLiteral("k"), TSpecialKey::Sound));
        Dlg->SystemChk->click();
        QCOMPARE(Dlg->WorkingKey()->SpecialKey(), TSpecialKey::None);
        QCOMPARE(Dlg->VxKey1->SpecialKey(), TSpecialKey::None);
        QVERIFY(!Dlg->SpecialCombo->isEnabled());
        QVERIFY(!TabVisible(Dlg->JineSheet));
        Dlg->SystemChk->click();
        QVERIFY(Dlg->SpecialCombo->isEnabled());
        QCOMPARE(Dlg->SpecialCombo->currentIndex(), 0);
    }

    void threeSelectedKeysTakeAppearanceOnly() {
        TVxKey *a = Key(QStringLiteral("a"), TSpecialKey::Sound);
        TVxKey *b = Key(QStringLiteral("b"));
        TVxKey *c = Key(QStringLiteral("c"), TSpecialKey::Other);
        a->SetWavName(QStringLiteral("a.wav"));
        c->SetKbdName(QStringLiteral("c.kbt"));
        b->SetSymbol(TPicture::FromFileBytes(Wmf()));
        b->SetTextSh(QStringLiteral("B"));
        Selection = {a, b, c};
        Dlg->SetSelection(&Selection);
        Dlg->FillFromKey(a);
        QVERIFY(!TabVisible(Dlg->SymbolSheet));
        QVERIFY(!TabVisible(Dlg->JineSheet));
        for (QWidget *w : QList<QWidget *>{Dlg->TextEdit, Dlg->TextShEdit, Dlg->TextLabel,
                                           Dlg->SystemChk, Dlg->SpecialCombo})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));

        Dlg->BtnHEdit->setValue(55);
        Dlg->BtnWEdit->setValue(75);
        Dlg->BordEdit->setValue(9);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(22);
        font.setBold(true);
        Prompts.Fonts = {font};
        Dlg->FontBtn1->click();
        Show();
        Dlg->PageControl1->setCurrentWidget(Dlg->BarvySheet);
        Prompts.Colors = {QColor(0x12, 0x34, 0x56)};
        QTest::mouseDClick(Dlg->NormalCl, Qt::LeftButton);
        Dlg->D3Chk->click();
        Dlg->AspectChk->click();
        Dlg->ApplyBtn->click();

        const QList<TVxKey *> keys{a, b, c};
        for (TVxKey *k : keys) {
            QCOMPARE(k->size(), QSize(75, 55));
            QCOMPARE(k->BorderWidth(), 9);
            QCOMPARE(k->Font().Height, -22);
            QVERIFY(k->Font().Style.testFlag(TKeyFont::fsBold));
            QCOMPARE(k->NormKeyColor(), 0x563412u);
            QVERIFY(!k->Status().testFlag(vxo3Deffect));
            QCOMPARE(k->Aspect(), 1.0);
        }
        QCOMPARE(a->Text(), QStringLiteral("a"));
        QCOMPARE(b->Text(), QStringLiteral("b"));
        QCOMPARE(b->TextSh(), QStringLiteral("B"));
        QCOMPARE(b->Symbol().Kind(), TPicture::gkMetafile);
        QCOMPARE(a->SpecialKey(), TSpecialKey::Sound);
        QCOMPARE(b->SpecialKey(), TSpecialKey::None);
        QCOMPARE(c->SpecialKey(), TSpecialKey::Other);
        QCOMPARE(a->WavName(), QStringLiteral("a.wav"));
        QCOMPARE(c->KbdName(), QStringLiteral("c.kbt"));
        QVERIFY(Dlg->isVisible()); // applying does not close
    }

    // "Provést změny" acts on the edited key until the selection first changes, on the
    // selection from then on.
    void applyFollowsTheSelection_data() {
        QTest::addColumn<bool>("reference");
        QTest::addColumn<QList<int>>("selected"); // indexes into {edited, other}
        QTest::addColumn<QList<int>>("changed");
        QTest::addColumn<bool>("message");
        QTest::newRow("never selected") << false << QList<int>{} << QList<int>{0} << false;
        QTest::newRow("selection emptied") << true << QList<int>{} << QList<int>{} << true;
        QTest::newRow("another key selected") << true << QList<int>{1} << QList<int>{1} << false;
        QTest::newRow("the edited key selected") << true << QList<int>{0} << QList<int>{0} << false;
    }
    void applyFollowsTheSelection() {
        QFETCH(bool, reference);
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, changed);
        QFETCH(bool, message);
        const QList<TVxKey *> keys{Key(QStringLiteral("edited")), Key(QStringLiteral("other"))};
        keys[1]->SetActive(true);
        if (reference)
            Dlg->SetSelection(&Selection);
        Dlg->FillFromKey(keys[0]);
        for (int i : selected)
            Selection.append(keys[i]);
        Dlg->TextEdit->setText(QStringLiteral("nový"));
        Dlg->ApplyBtn->click();
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(keys[i]->Text() == QStringLiteral("nový"), changed.contains(i));
            QCOMPARE(keys[i]->Active(), i == 1); // the highlight stays where it was
        }
        QCOMPARE(Prompts.Texts().contains(DialogStringsNoKey()), message);
    }

    // The aspect box, clicked by the user.
    void keepProportionsBox_data() {
        QTest::addColumn<double>("keyAspect");
        QTest::addColumn<QSize>("symbol");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("aspect");
        QTest::newRow("check with 200 x 100") << 0.0 << QSize(200, 100) << "0.5" << 0.5;
        QTest::newRow("check without symbol") << 0.0 << QSize() << "1" << 1.0;
        QTest::newRow("uncheck") << 0.9 << QSize(200, 100) << "0" << 0.0;
    }
    void keepProportionsBox() {
        QFETCH(double, keyAspect);
        QFETCH(QSize, symbol);
        QFETCH(QString, shown);
        QFETCH(double, aspect);
        TVxKey *key = Key(QStringLiteral("k"));
        key->SetAspect(keyAspect);
        if (symbol.isValid()) {
            QImage image(symbol, QImage::Format_RGB32);
            image.fill(Qt::blue);
            key->SetSymbol(TPicture::FromImageAsJpeg(image));
        }
        Dlg->FillFromKey(key);
        Dlg->AspectChk->click();
        QCOMPARE(Dlg->AspectEd->text(), shown);
        QCOMPARE(Dlg->AspectEd->isEnabled(), aspect != 0);
        QCOMPARE(Dlg->WorkingKey()->Aspect(), aspect);
        QCOMPARE(Dlg->VxKey1->Aspect(), aspect);
        QCOMPARE(key->Aspect(), keyAspect); // nothing applied yet
    }

    // Filling checks the box as a click would: a box that was unchecked replaces the key's
    // aspect by the symbol's proportions, a box already checked keeps it.
    void fillingTwoKeysInARow_data() {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("working");
        QTest::newRow("0 then 0.9") << 0.0 << 0.9 << "0.5" << 0.5;
        QTest::newRow("0.9 then 0.9") << 0.9 << 0.9 << "0.9" << 0.9;
        QTest::newRow("0.9 then 0") << 0.9 << 0.0 << "0" << 0.0;
    }
    void fillingTwoKeysInARow() {
        QFETCH(double, first);
        QFETCH(double, second);
        TVxKey *a = Key(QStringLiteral("a"));
        a->SetAspect(first);
        TVxKey *b = Key(QStringLiteral("b"));
        b->SetAspect(second);
        QImage image(100, 50, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        b->SetSymbol(TPicture::FromImageAsJpeg(image));
        Dlg->FillFromKey(a);
        Dlg->FillFromKey(b);
        QTEST(Dlg->AspectEd->text(), "shown");
        QTEST(Dlg->WorkingKey()->Aspect(), "working");
    }

    void typedAspect_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("viaOk");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("aspect");
        QTest::addColumn<bool>("closed");
        QTest::newRow("number, leaving") << "0.75" << false << "0.75" << 0.75 << false;
        QTest::newRow("letters, leaving") << "abc" << false << "0.9" << 0.9 << false;
        QTest::newRow("empty, leaving") << "" << false << "0.9" << 0.9 << false;
        QTest::newRow("number, OK") << "2" << true << "2" << 2.0 << true;
        QTest::newRow("letters, Enter") << "abc" << true << "0.9" << 0.9 << false;
    }
    void typedAspect() {
        QFETCH(QString, typed);
        QFETCH(bool, viaOk);
        QFETCH(QString, shown);
        QFETCH(double, aspect);
        QFETCH(bool, closed);
        TVxKey *key = Key(QStringLiteral("k"));
        key->SetAspect(0.9);
        Dlg->FillFromKey(key);
        Dlg->FillFromKey(key); // the box is checked now and keeps 0.9
        Show();
        Dlg->PageControl1->setCurrentWidget(Dlg->SymbolSheet);
        Dlg->AspectEd->setFocus();
        Dlg->AspectEd->selectAll();
        QTest::keyClick(Dlg->AspectEd, Qt::Key_Delete);
        QTest::keyClicks(Dlg->AspectEd, typed);
        if (viaOk)
            QTest::keyClick(Dlg->AspectEd, Qt::Key_Return);
        else
            QTest::keyClick(Dlg->AspectEd, Qt::Key_Tab);
        const bool bad = ParseFails(typed);
        QCOMPARE(Prompts.Texts().contains(QStringLiteral("Nesprávně zadané číslo")), bad);
        QCOMPARE(Dlg->AspectEd->text(), shown);
        QCOMPARE(Dlg->WorkingKey()->Aspect(), aspect);
        QCOMPARE(Dlg->VxKey1->Aspect(), aspect);
        QCOMPARE(Dlg->isHidden(), closed);
    }

    // Pictures through "Otevřít ...": metafiles stay metafiles, other pictures become JPEG.
    void loadingSymbols_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("aspect");
        QTest::newRow("wmf") << "Images/a.wmf" << int(TPicture::gkMetafile) << "0.5";
        QTest::newRow("bmp") << "Images/b.bmp" << int(TPicture::gkJpeg) << "0.5";
        QTest::newRow("png") << "Images/c.png" << int(TPicture::gkJpeg) << "1.5";
        QTest::newRow("not a picture") << "Images/d.txt" << int(TPicture::gkNone) << "1";
    }
    void loadingSymbols() {
        QFETCH(QString, file);
        QFETCH(int, kind);
        const QString path = Dir->filePath(file);
        if (file.endsWith(QLatin1String(".wmf")))
            WriteFile(path, Wmf());
        else if (file.endsWith(QLatin1String(".bmp")))
            WriteImage(path, QSize(200, 100), "BMP");
        else if (file.endsWith(QLatin1String(".png")))
            WriteImage(path, QSize(20, 30), "PNG");
        else
            WriteFile(path, "words");
        TVxKey *key = Key(QStringLiteral("k"));
        Dlg->ImageDialogDir = Dirs().PicturesDir;
        Dlg->FillFromKey(key);
        Prompts.FileNames = {path};
        Dlg->PageControl1->setCurrentWidget(Dlg->SymbolSheet);
        Dlg->LoadSymbolBt->click();
        QCOMPARE(Prompts.Shown.first().Text, QStringLiteral("Načtení souboru s obrázkem"));
        QCOMPARE(Prompts.Shown.first().Directory, Dirs().PicturesDir);
        QCOMPARE(int(Dlg->WorkingKey()->Symbol().Kind()), kind);
        QCOMPARE(Dlg->VxKey1->Symbol(), Dlg->WorkingKey()->Symbol());
        QCOMPARE(Dlg->Image1->Picture(), Dlg->WorkingKey()->Symbol());
        QCOMPARE(Prompts.Shown.last().Kind == TScriptedPrompts::kError, kind == TPicture::gkNone);
        QVERIFY(key->Symbol().IsEmpty()); // the real key waits for apply
        Dlg->AspectChk->setChecked(true);
        QTEST(Dlg->AspectEd->text(), "aspect");

        Dlg->ClearSymbolBt->click();
        QVERIFY(Dlg->WorkingKey()->Symbol().IsEmpty());
        QVERIFY(Dlg->VxKey1->Symbol().IsEmpty());
        QVERIFY(Dlg->Image1->Picture().IsEmpty());
    }

    // Sound and table names inside their data folders are kept relative to them.
    void chosenFileNames_data() {
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QString>("chosen"); // relative to the temporary directory
        QTest::addColumn<QString>("stored"); // empty: the full name
        QTest::newRow("sound in the sounds folder") << true << "Sounds/pes.wav"
                                                    << "pes.wav";
        QTest::newRow("sound in a subfolder") << true << "Sounds/zvířata/kočka.wav"
                                              << "zvířata/kočka.wav";
        QTest::newRow("sound elsewhere") << true << "Elsewhere/a.wav"
                                         << "";
        QTest::newRow("table in the tables folder") << false << "Tables/jidlo.kbt"
                                                    << "jidlo.kbt";
        QTest::newRow("table elsewhere") << false << "Tables2/x.kbt"
                                         << "";
    }
    void chosenFileNames() {
        QFETCH(bool, sound);
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        const QString path = Dir->filePath(chosen);
        if (stored.isEmpty())
            stored = path;
        TVxKey *key = Key(QStringLiteral("k"), sound ? TSpecialKey::Sound : TSpecialKey::Other);
        Dlg->FillFromKey(key);
        Prompts.FileNames = {path};
        (sound ? Dlg->SoundBtn : Dlg->KeybdBtn)->click();
        const TScriptedPrompts::TShown &asked = Prompts.Shown.first();
        QCOMPARE(asked.Text, sound ? QStringLiteral("Načtení zvukového záznamu")
                                   : QStringLiteral("Načtení souboru s klávesnicí"));
        // An empty name starts in the data folder.
        QCOMPARE(asked.Directory, sound ? Dirs().SoundsDir : Dirs().TablesDir);
        QCOMPARE(sound ? Dlg->WorkingKey()->WavName() : Dlg->WorkingKey()->KbdName(), stored);
        QCOMPARE((sound ? Dlg->SoundFileEdit : Dlg->KeybdEdit)->text(), stored);

        // Typing the full name stores the same, and the chooser then starts at that file.
        QLineEdit *edit = sound ? Dlg->SoundFileEdit : Dlg->KeybdEdit;
        edit->setText(path);
        QCOMPARE(sound ? Dlg->WorkingKey()->WavName() : Dlg->WorkingKey()->KbdName(), stored);
        (sound ? Dlg->SoundBtn : Dlg->KeybdBtn)->click();
        QCOMPARE(Prompts.Shown.last().Directory, path);
    }

    void playButtonPlaysFromTheSoundsFolder() {
        TVxKey *key = Key(QStringLiteral("k"), TSpecialKey::Sound);
        key->SetWavName(Dirs().SoundsDir + QStringLiteral("pes.wav"));
        Dlg->FillFromKey(key);
        QCOMPARE(Dlg->WorkingKey()->WavName(), QStringLiteral("pes.wav"));
        Dlg->ReplayBtn->click();
        QCOMPARE(Speech.Sounds, QStringList{Dirs().SoundsDir + QStringLiteral("pes.wav")});
    }

    // Each swatch, by a double click or a click on its caption, sets one colour of the working
    // key and of the preview.
    void colourSwatches_data() {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<bool>("viaLabel");
        QTest::newRow("normal") << "NormalCl" << false;
        QTest::newRow("special, label") << "SystemCl" << true;
        QTest::newRow("text background") << "BackCl" << false;
        QTest::newRow("selected, label") << "VybranCl" << true;
        QTest::newRow("active") << "ActivCl" << false;
    }
    void colourSwatches() {
        QFETCH(QString, swatch);
        QFETCH(bool, viaLabel);
        TVxKey *key = Key(QStringLiteral("k"));
        Dlg->FillFromKey(key);
        Show();
        Dlg->PageControl1->setCurrentWidget(Dlg->BarvySheet);
        auto *s = Dlg->findChild<TColorSwatch *>(swatch);
        QVERIFY(s);
        Prompts.Colors = {QColor(0x10, 0x20, 0x30)};
        if (viaLabel) {
            QLabel *label = nullptr;
            for (QLabel *l : Dlg->findChildren<QLabel *>())
                if (l->buddy() == s)
                    label = l;
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            QTest::mouseDClick(s, Qt::LeftButton);
        }
        constexpr std::uint32_t chosen = 0x302010;
        QCOMPARE(s->Color(), chosen);
        const auto colours = [](const TVxKey *k) {
            return QList<std::uint32_t>{k->NormKeyColor(), k->SpecKeyColor(), k->BrushColor(),
                                        k->ColorSelected(), k->ColorFocused()};
        };
        const QList<std::uint32_t> order{Dlg->NormalCl->Color(), Dlg->SystemCl->Color(),
                                         Dlg->BackCl->Color(), Dlg->VybranCl->Color(),
                                         Dlg->ActivCl->Color()};
        QCOMPARE(colours(Dlg->WorkingKey()), order);
        QCOMPARE(colours(Dlg->VxKey1), order);
        QVERIFY(order.contains(chosen));
        QVERIFY(!colours(key).contains(chosen));
        // Cancelling the colour dialog changes nothing.
        QTest::mouseDClick(s, Qt::LeftButton);
        QCOMPARE(s->Color(), chosen);
    }

    void keyboardAndScreenReader() {
        TVxKey *key = Key(QStringLiteral("k"));
        Dlg->FillFromKey(key);
        Show();
        // Opened on the first page with the text field ready for typing.
        QCOMPARE(Dlg->PageControl1->currentWidget(), Dlg->RozmerySheet);
        QCOMPARE(QApplication::focusWidget(), Dlg->TextEdit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Dlg->FontBtn1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Dlg->BtnHEdit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(Dlg->WorkingKey()->Height(), Dlg->BtnHEdit->value());

        // The colour page: Alt+N goes to the normal colour, Space asks for it.
        Dlg->PageControl1->setCurrentWidget(Dlg->BarvySheet);
        QTest::keyClick(Dlg->BarvySheet, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Dlg->NormalCl);
        QTest::keyClick(Dlg->NormalCl, Qt::Key_Space);
        QCOMPARE(Prompts.Shown.last().Kind, TScriptedPrompts::kColor);

        for (TColorSwatch *s :
             {Dlg->NormalCl, Dlg->SystemCl, Dlg->BackCl, Dlg->VybranCl, Dlg->ActivCl}) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(s);
            QVERIFY(a && !a->text(QAccessible::Name).isEmpty());
        }
        QAccessibleInterface *preview = QAccessible::queryAccessibleInterface(Dlg->VxKey1);
        QCOMPARE(preview->text(QAccessible::Name), QStringLiteral("Ukázka"));

        // Escape closes without applying, Enter closes with OK.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(Dlg->isHidden());
        QCOMPARE(Dlg->result(), int(QDialog::Rejected));
        Show();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(Dlg->isHidden());
        QCOMPARE(Dlg->result(), int(QDialog::Accepted));
    }

private:
    static QString DialogStringsNoKey() {
        return QStringLiteral("Nebyla vybrána žádná klávesa.\rKlávesu můžete vybrat současným "
                              "stiskem \rklávesy [Ctrl] a levého tlačítka myši.");
    }
    static bool ParseFails(const QString &typed) {
        bool ok = false;
        typed.toDouble(&ok);
        return !ok;
    }
};

QTEST_MAIN(TestKeySettingDlg)
#include "tst_KeySettingDlg.moc"
