#include "ColorField.h"
#include "Directories.h"
#include "KeySettingDlg.h"
#include "MetafileBuilder.h"
#include "RecordingSpeech.h"
#include "ScriptedPrompts.h"
#include "SymbolImage.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Encoded(QSize size, const char *format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TPicture Jpeg(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return TPicture::FromImageAsJpeg(image);
}

} // namespace

// The dialog on its own, its keys on a host widget, scripted prompts, data folders in a
// temporary directory.
class TestKeySettingDlg : public QObject {
    Q_OBJECT

    TScriptedPrompts Prompts;
    TRecordingSpeech Speech;
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<QWidget> Host;
    std::unique_ptr<TKeySettingDlg> Dlg;
    QList<TVxKey *> Selection;

    TVxKey *Key(const QString &text, TSpecialKey kind = TSpecialKey::None, double aspect = 0) {
        auto *key = new TVxKey(Host.get());
        key->SetText(text);
        key->SetSpecialKey(kind);
        key->SetAspect(aspect);
        return key;
    }
    bool TabVisible(QWidget *page) const {
        return Dlg->PageControl1->isTabVisible(Dlg->PageControl1->indexOf(page));
    }
    void Show(QWidget *page = nullptr) {
        Dlg->show();
        QTRY_COMPARE(QApplication::activeWindow(), Dlg.get());
        if (page)
            Dlg->PageControl1->setCurrentWidget(page);
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
    }
    void cleanup() {
        Dlg.reset();
        Host.reset();
    }

    // The tab of the sound and the table follows the key's kind: on opening, and when the user
    // chooses another kind in the list with the keyboard.
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
        QTest::newRow("enter, Other chosen")
            << int(TSpecialKey::Enter) << int(Qt::Key_End) << true << false << true;
        QTest::newRow("sound, None chosen")
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
        QCOMPARE(Dlg->ReplayBtn->isEnabled(), sound);
        QCOMPARE(Dlg->KeybdEdit->isEnabled(), table);
        QCOMPARE(Dlg->KeybdBtn->isEnabled(), table);
        QCOMPARE(Dlg->VxKey1->SpecialKey(), Dlg->WorkingKey()->SpecialKey());
    }

    void threeSelectedKeysTakeAppearanceOnly() {
        TVxKey *a = Key(QStringLiteral("a"), TSpecialKey::Sound);
        TVxKey *b = Key(QStringLiteral("b"));
        TVxKey *c = Key(QStringLiteral("c"), TSpecialKey::Other);
        a->SetWavName(QStringLiteral("a.wav"));
        b->SetSymbol(Jpeg(QSize(4, 4)));
        Selection = {a, b, c};
        Dlg->SetSelection(&Selection);
        Dlg->FillFromKey(a);
        QVERIFY(!TabVisible(Dlg->SymbolSheet));
        QVERIFY(!TabVisible(Dlg->JineSheet));
        for (QWidget *w :
             QList<QWidget *>{Dlg->TextEdit, Dlg->TextShEdit, Dlg->SystemChk, Dlg->SpecialCombo})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));

        Dlg->BtnHEdit->setValue(55);
        Dlg->BtnWEdit->setValue(75);
        Dlg->BordEdit->setValue(9);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(22);
        Prompts.Fonts = {font};
        Dlg->FontBtn1->click();
        Show(Dlg->BarvySheet);
        Prompts.Colors = {QColor(0x12, 0x34, 0x56)};
        QTest::mouseDClick(Dlg->NormalCl, Qt::LeftButton);
        Dlg->D3Chk->click();
        Dlg->AspectChk->click();
        Dlg->ApplyBtn->click();
        QVERIFY(Dlg->isVisible());

        for (TVxKey *k : {a, b, c}) {
            QCOMPARE(k->size(), QSize(75, 55));
            QCOMPARE(k->BorderWidth(), 9);
            QCOMPARE(k->Font().Height, -22);
            QCOMPARE(k->NormKeyColor(), 0x563412u);
            QVERIFY(!k->Status().testFlag(vxo3Deffect));
            QCOMPARE(k->Aspect(), 1.0);
        }
        QCOMPARE(b->Text(), QStringLiteral("b"));
        QCOMPARE(b->Symbol().Kind(), TPicture::gkJpeg);
        QCOMPARE(b->SpecialKey(), TSpecialKey::None);
        QCOMPARE(c->SpecialKey(), TSpecialKey::Other);
        QCOMPARE(a->WavName(), QStringLiteral("a.wav"));
    }

    // "Provést změny" acts on the edited key until the selection first changes, then on the
    // selection as it is when the button is pressed.
    void applyFollowsTheSelection_data() {
        QTest::addColumn<bool>("reference");
        QTest::addColumn<QList<int>>("selected"); // indexes into {edited, other}
        QTest::addColumn<QList<int>>("changed");
        QTest::newRow("never selected") << false << QList<int>{} << QList<int>{0};
        QTest::newRow("selection emptied") << true << QList<int>{} << QList<int>{};
        QTest::newRow("another key selected") << true << QList<int>{1} << QList<int>{1};
        QTest::newRow("the edited key selected") << true << QList<int>{0} << QList<int>{0};
    }
    void applyFollowsTheSelection() {
        QFETCH(bool, reference);
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, changed);
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
        QCOMPARE(Prompts.Shown.size(), changed.isEmpty() ? 1 : 0); // how to select a key
    }

    // The aspect box: clicked by the user, and checked by a fill as a click would, so that an
    // unchecked box replaces the key's aspect by the symbol's proportions.
    void keepProportionsBox_data() {
        QTest::addColumn<double>("before"); // aspect of a key the dialog was filled from first
        QTest::addColumn<double>("aspect");
        QTest::addColumn<QSize>("symbol");
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("working");
        QTest::newRow("check, 200 x 100") << 0.0 << 0.0 << QSize(200, 100) << true << "0.5" << 0.5;
        QTest::newRow("check, no symbol") << 0.0 << 0.0 << QSize() << true << "1" << 1.0;
        QTest::newRow("uncheck") << 0.9 << 0.9 << QSize(200, 100) << true << "0" << 0.0;
        QTest::newRow("fill 0 then 0.9") << 0.0 << 0.9 << QSize(100, 50) << false << "0.5" << 0.5;
        QTest::newRow("fill 0.9 twice") << 0.9 << 0.9 << QSize(100, 50) << false << "0.9" << 0.9;
    }
    void keepProportionsBox() {
        QFETCH(double, before);
        QFETCH(double, aspect);
        QFETCH(QSize, symbol);
        QFETCH(bool, click);
        QFETCH(double, working);
        Dlg->FillFromKey(Key(QStringLiteral("first"), TSpecialKey::None, before));
        TVxKey *key = Key(QStringLiteral("k"), TSpecialKey::None, aspect);
        if (symbol.isValid())
            key->SetSymbol(Jpeg(symbol));
        Dlg->FillFromKey(key);
        if (click)
            Dlg->AspectChk->click();
        QTEST(Dlg->AspectEd->text(), "shown");
        QCOMPARE(Dlg->AspectEd->isEnabled(), working != 0);
        QCOMPARE(Dlg->WorkingKey()->Aspect(), working);
        QCOMPARE(Dlg->VxKey1->Aspect(), working);
        QCOMPARE(key->Aspect(), aspect); // nothing applied yet
    }

    void typedAspect_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("leaveBy");
        QTest::addColumn<double>("aspect");
        QTest::addColumn<bool>("closed");
        QTest::newRow("number, Tab") << "0.75" << int(Qt::Key_Tab) << 0.75 << false;
        QTest::newRow("letters, Tab") << "abc" << int(Qt::Key_Tab) << 0.9 << false;
        QTest::newRow("empty, Tab") << "" << int(Qt::Key_Tab) << 0.9 << false;
        QTest::newRow("number, Enter") << "2" << int(Qt::Key_Return) << 2.0 << true;
        QTest::newRow("letters, Enter") << "abc" << int(Qt::Key_Return) << 0.9 << false;
    }
    void typedAspect() {
        QFETCH(QString, typed);
        QFETCH(int, leaveBy);
        QFETCH(double, aspect);
        TVxKey *key = Key(QStringLiteral("k"), TSpecialKey::None, 0.9);
        Dlg->FillFromKey(key);
        Dlg->FillFromKey(key); // the box is checked now and keeps 0.9
        Show(Dlg->SymbolSheet);
        Dlg->AspectEd->setFocus();
        Dlg->AspectEd->selectAll();
        QTest::keyClick(Dlg->AspectEd, Qt::Key_Delete);
        QTest::keyClicks(Dlg->AspectEd, typed);
        QTest::keyClick(Dlg->AspectEd, Qt::Key(leaveBy));
        const bool bad = aspect == 0.9;
        QCOMPARE(Prompts.Texts(),
                 bad ? QStringList{QStringLiteral("Nesprávně zadané číslo")} : QStringList());
        QCOMPARE(Dlg->AspectEd->text(), bad ? QStringLiteral("0.9") : typed);
        QCOMPARE(Dlg->WorkingKey()->Aspect(), aspect);
        QCOMPARE(Dlg->VxKey1->Aspect(), aspect);
        QTEST(Dlg->isHidden(), "closed");
    }

    // Pictures through "Otevřít ...": metafiles stay metafiles, JPEG files keep their bytes,
    // other pictures become JPEG; a file that is no picture is refused with a message.
    void loadingSymbols_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("bytesKept");
        QTest::addColumn<QString>("aspect"); // after checking the box
        const QByteArray jpeg = Jpeg(QSize(30, 60)).Bytes();
        QTest::newRow("wmf") << "a.wmf"
                             << TWmfBuilder().Rectangle(0, 0, 9, 9).Build(QRect(0, 0, 1440, 720))
                             << int(TPicture::gkMetafile) << true << "0.5";
        QTest::newRow("plain wmf") << "b.WMF" << TWmfBuilder().Rectangle(0, 0, 9, 9).Build()
                                   << int(TPicture::gkMetafile) << true << "1";
        QTest::newRow("emf") << "c.emf" << TEmfBuilder().Rectangle(0, 0, 9, 9).Build()
                             << int(TPicture::gkMetafile) << true << "1";
        QTest::newRow("bmp") << "d.bmp" << Encoded(QSize(200, 100), "BMP") << int(TPicture::gkJpeg)
                             << false << "0.5";
        QTest::newRow("png") << "e.png" << Encoded(QSize(20, 30), "PNG") << int(TPicture::gkJpeg)
                             << false << "1.5";
        QTest::newRow("jpeg") << "f.jpg" << jpeg << int(TPicture::gkJpeg) << true << "2";
        QTest::newRow("gif") << "g.gif"
                             << QByteArray::fromBase64(
                                    "R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7")
                             << int(TPicture::gkJpeg) << false << "1";
        if (QImageReader::supportedImageFormats().contains("svg"))
            QTest::newRow("svg") << "h.svg"
                                 << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' "
                                               "width='20' height='10'/>")
                                 << int(TPicture::gkJpeg) << false << "0.5";
        QTest::newRow("png named wmf")
            << "i.wmf" << Encoded(QSize(8, 4), "PNG") << int(TPicture::gkJpeg) << false << "0.5";
        QTest::newRow("text") << "j.txt" << QByteArray("words") << -1 << false << "1";
        QTest::newRow("text named wmf") << "k.wmf" << QByteArray("words") << -1 << false << "1";
        QTest::newRow("damaged jpeg")
            << "l.jpg" << QByteArray::fromHex("ffd8ffe000104a46") << -1 << false << "1";
    }
    void loadingSymbols() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(bool, bytesKept);
        const QString path = Dirs().PicturesDir + name;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        TVxKey *key = Key(QStringLiteral("k"));
        Dlg->ImageDialogDir = Dirs().PicturesDir;
        Dlg->FillFromKey(key);
        Prompts.FileNames = {path};
        Dlg->LoadSymbolBt->click();
        QCOMPARE(Prompts.Shown.first().Text, QStringLiteral("Načtení souboru s obrázkem"));
        QCOMPARE(Prompts.Shown.first().Directory, Dirs().PicturesDir);
        const TPicture &symbol = Dlg->WorkingKey()->Symbol();
        QCOMPARE(Prompts.Shown.last().Kind == TScriptedPrompts::kError, kind < 0);
        QCOMPARE(int(symbol.Kind()), kind < 0 ? int(TPicture::gkNone) : kind);
        QCOMPARE(symbol.Bytes() == bytes, bytesKept);
        QCOMPARE(Dlg->VxKey1->Symbol(), symbol);
        QCOMPARE(Dlg->Image1->Picture(), symbol);
        if (kind >= 0) // it fits a key record
            QCOMPARE(TPicture::FromSymbolData(symbol.ToSymbolData()), symbol);
        QVERIFY(key->Symbol().IsEmpty()); // the real key waits for apply
        Dlg->AspectChk->setChecked(true);
        QTEST(Dlg->AspectEd->text(), "aspect");

        Dlg->ClearSymbolBt->click();
        QVERIFY(Dlg->WorkingKey()->Symbol().IsEmpty());
        QVERIFY(Dlg->VxKey1->Symbol().IsEmpty());
        QVERIFY(Dlg->Image1->Picture().IsEmpty());
    }

    // Sound and table names inside their data folders are kept relative to them; the play
    // button plays the sound from there.
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
        QTest::newRow("table in a look-alike folder") << false << "Tables2/x.kbt"
                                                      << "";
    }
    void chosenFileNames() {
        QFETCH(bool, sound);
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        const QString path = Dir->filePath(chosen);
        if (stored.isEmpty())
            stored = path;
        Dlg->FillFromKey(Key(QStringLiteral("k"), sound ? TSpecialKey::Sound : TSpecialKey::Other));
        QLineEdit *edit = sound ? Dlg->SoundFileEdit : Dlg->KeybdEdit;
        QPushButton *find = sound ? Dlg->SoundBtn : Dlg->KeybdBtn;
        const auto storedName = [&] {
            return sound ? Dlg->WorkingKey()->WavName() : Dlg->WorkingKey()->KbdName();
        };
        Prompts.FileNames = {path};
        find->click();
        const TScriptedPrompts::TShown &asked = Prompts.Shown.first();
        QCOMPARE(asked.Text, sound ? QStringLiteral("Načtení zvukového záznamu")
                                   : QStringLiteral("Načtení souboru s klávesnicí"));
        QCOMPARE(asked.Directory, sound ? Dirs().SoundsDir : Dirs().TablesDir);
        QCOMPARE(storedName(), stored);
        QCOMPARE(edit->text(), stored);
        if (sound) {
            Dlg->ReplayBtn->click();
            QCOMPARE(Speech.Sounds.last(), path);
        }

        // A full name typed in is stored the same way, and the chooser then starts at it.
        edit->setText(path);
        QCOMPARE(storedName(), stored);
        find->click();
        QCOMPARE(Prompts.Shown.last().Directory, path);
    }

    // Each swatch, by a double click or a click on its caption, sets one colour of the working
    // key and of the preview; cancelling the colour dialog changes nothing.
    void colourSwatches_data() {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<bool>("viaLabel");
        QTest::newRow("normal") << "NormalCl" << false;
        QTest::newRow("special, caption") << "SystemCl" << true;
        QTest::newRow("text background") << "BackCl" << false;
        QTest::newRow("selected, caption") << "VybranCl" << true;
        QTest::newRow("active") << "ActivCl" << false;
    }
    void colourSwatches() {
        QFETCH(QString, swatch);
        QFETCH(bool, viaLabel);
        TVxKey *key = Key(QStringLiteral("k"));
        Dlg->FillFromKey(key);
        Show(Dlg->BarvySheet);
        auto *s = Dlg->findChild<TColorField *>(swatch);
        QVERIFY(s);
        Prompts.Colors = {QColor(0x10, 0x20, 0x30)};
        for (int i = 0; i < 2; ++i) {
            QLabel *label = nullptr;
            for (QLabel *l : Dlg->findChildren<QLabel *>())
                label = l->buddy() == s ? l : label;
            if (viaLabel)
                QTest::mouseClick(label, Qt::LeftButton);
            else
                QTest::mouseDClick(s, Qt::LeftButton);
            QCOMPARE(s->Color(), 0x302010u);
        }
        const auto colours = [](const TVxKey *k) {
            return QList<std::uint32_t>{k->NormKeyColor(), k->SpecKeyColor(), k->BrushColor(),
                                        k->ColorSelected(), k->ColorFocused()};
        };
        const QList<std::uint32_t> swatches{Dlg->NormalCl->Color(), Dlg->SystemCl->Color(),
                                            Dlg->BackCl->Color(), Dlg->VybranCl->Color(),
                                            Dlg->ActivCl->Color()};
        QCOMPARE(colours(Dlg->WorkingKey()), swatches);
        QCOMPARE(colours(Dlg->VxKey1), swatches);
        QVERIFY(!colours(key).contains(0x302010u));
    }

    void keyboardAndScreenReader() {
        Dlg->FillFromKey(Key(QStringLiteral("k")));
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

        for (TColorField *s :
             {Dlg->NormalCl, Dlg->SystemCl, Dlg->BackCl, Dlg->VybranCl, Dlg->ActivCl})
            QVERIFY(!QAccessible::queryAccessibleInterface(s)->text(QAccessible::Name).isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(Dlg->VxKey1)->text(QAccessible::Name),
                 QStringLiteral("Ukázka"));

        // Escape closes without applying, Enter closes with OK.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(Dlg->isHidden());
        QCOMPARE(Dlg->result(), int(QDialog::Rejected));
        Show();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(Dlg->isHidden());
        QCOMPARE(Dlg->result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestKeySettingDlg)
#include "tst_KeySettingDlg.moc"
