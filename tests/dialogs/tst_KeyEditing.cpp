#include "ColorField.h"
#include "FormFixture.h"
#include "KeySettingDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

// Keys edited through the dialog as the main window opens it.
class TestKeyEditing : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;

    TKeySettingDlg *Dlg() const { return F->Form->KeySettingDlg(); }
    void OpenFromPopup(TVxKey *key) {
        F->Form->TablePopupPopup(key);
        QVERIFY(F->Form->UpravitItem->isEnabled());
        F->Form->UpravitItem->trigger();
        QVERIFY(Dlg()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), Dlg());
    }
    void OpenFromMenu() {
        QVERIFY(F->Form->Menu.Edit1->isEnabled());
        F->Form->Menu.Edit1->trigger();
        QVERIFY(Dlg()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), Dlg());
    }
    void Select(TVxKey *key) { TFormFixture::Click(key, Qt::ControlModifier); }
    void ChooseKind(TSpecialKey kind) {
        if (!Dlg()->SystemChk->isChecked())
            Dlg()->SystemChk->click();
        Dlg()->SpecialCombo->setFocus();
        Dlg()->SpecialCombo->setCurrentIndex(int(kind) - 1);
        QTest::keyClick(Dlg()->SpecialCombo, Qt::Key_Down);
        QCOMPARE(Dlg()->WorkingKey()->SpecialKey(), kind);
    }

private slots:
    void init() {
        F = std::make_unique<TFormFixture>();
        F->Make();
        // The window's own activation must not arrive while the dialog is up.
        QVERIFY(QTest::qWaitForWindowActive(F->Form.get()));
        // Free layout: keys keep the size the dialog gives them.
        F->Form->SetScanning(false);
    }
    void cleanup() { F.reset(); }

    // How the dialog ends decides what reaches the key and whether the table counts as changed.
    void closingTheDialog_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("applyFirst");
        QTest::addColumn<QString>("close"); // "ok", "cancel", "escape"
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("marked");
        QTest::newRow("popup, OK") << false << false << "ok" << true << true;
        QTest::newRow("popup, Storno") << false << false << "cancel" << false << false;
        QTest::newRow("popup, Escape") << false << false << "escape" << false << false;
        // Nothing was ever selected (a new table does not count): applying acts on the key.
        QTest::newRow("popup, apply, Storno") << false << true << "cancel" << true << true;
        QTest::newRow("menu, OK") << true << false << "ok" << true << true;
        QTest::newRow("menu, apply, Storno") << true << true << "cancel" << true << true;
        QTest::newRow("menu, apply, Escape") << true << true << "escape" << true << true;
    }
    void closingTheDialog() {
        QFETCH(bool, fromMenu);
        QFETCH(bool, applyFirst);
        QFETCH(QString, close);
        QFETCH(bool, changed);
        QFETCH(bool, marked);
        F->Form->New1Click();
        TVxKey *key = F->AddKey(QStringLiteral("a"));
        F->Form->SetEditMode(true);
        F->Form->SetTableName(F->TablePath(QStringLiteral("t.kbt")));
        if (fromMenu) {
            Select(key);
            OpenFromMenu();
        } else {
            OpenFromPopup(key);
        }
        Dlg()->TextEdit->setText(QStringLiteral("b"));
        Dlg()->BordEdit->setValue(12);
        if (applyFirst)
            Dlg()->ApplyBtn->click();
        if (close == QLatin1String("ok"))
            Dlg()->OKBtn->click();
        else if (close == QLatin1String("cancel"))
            Dlg()->CancelBtn->click();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!Dlg()->isVisible());
        QCOMPARE(key->Text(), changed ? QStringLiteral("b") : QStringLiteral("a"));
        QCOMPARE(key->BorderWidth(), changed ? 12 : 5);
        QCOMPARE(F->Form->TableName().isEmpty(), marked);
    }

    // Opened from the popup of a key outside the selection: applying acts on the selection, OK
    // then also gives the right-clicked key everything.
    void popupKeyOutsideTheSelection() {
        TVxKey *selected = F->AddKey(QStringLiteral("sel"));
        TVxKey *clicked = F->AddKey(QStringLiteral("clicked"));
        F->Form->SetEditMode(true);
        Select(selected);
        OpenFromPopup(clicked);
        QCOMPARE(Dlg()->TextEdit->text(), QStringLiteral("clicked"));
        Dlg()->TextEdit->setText(QStringLiteral("nové"));
        Dlg()->ApplyBtn->click();
        QCOMPARE(selected->Text(), QStringLiteral("nové"));
        QCOMPARE(clicked->Text(), QStringLiteral("clicked"));
        Dlg()->OKBtn->click();
        QCOMPARE(clicked->Text(), QStringLiteral("nové"));
    }

    // Every property a key record keeps, edited through the dialog, saved with the table and
    // read back.
    void editedKeysSurviveTheTable() {
        TVxKey *soundKey = F->AddKey(QStringLiteral("a"));
        TVxKey *linkKey = F->AddKey(QStringLiteral("b"));
        F->Form->SetEditMode(true);

        OpenFromPopup(soundKey);
        Dlg()->TextEdit->setText(QStringLiteral("Kůň"));
        Dlg()->TextShEdit->setText(QStringLiteral("KŮŇ"));
        Dlg()->BtnHEdit->setValue(90);
        Dlg()->BtnWEdit->setValue(120);
        Dlg()->BordEdit->setValue(7);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(24);
        font.setItalic(true);
        F->Prompts.Fonts = {font};
        Dlg()->FontBtn1->click();
        ChooseKind(TSpecialKey::Sound);
        Dlg()->SoundFileEdit->setText(Dirs().SoundsDir + QStringLiteral("kun.wav"));

        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString picture = Dirs().PicturesDir + QStringLiteral("kun.png");
        QVERIFY(image.save(picture));
        F->Prompts.FileNames = {picture};
        Dlg()->LoadSymbolBt->click();
        QCOMPARE(F->Prompts.Shown.last().Directory, Dirs().PicturesDir);
        Dlg()->AspectChk->click();
        QCOMPARE(Dlg()->WorkingKey()->Aspect(), 0.5);

        Dlg()->PageControl1->setCurrentWidget(Dlg()->BarvySheet);
        const QList<TColorField *> swatches{Dlg()->NormalCl, Dlg()->SystemCl, Dlg()->VybranCl,
                                            Dlg()->ActivCl};
        for (int i = 0; i < swatches.size(); ++i) {
            F->Prompts.Colors = {QColor(0x10 * (i + 1), 0x22, 0x33)};
            QTest::mouseDClick(swatches[i], Qt::LeftButton);
        }
        Dlg()->D3Chk->click();
        Dlg()->OKBtn->click();
        const TPicture symbol = soundKey->Symbol();
        QCOMPARE(soundKey->ColorFocused(), 0x332240u);
        QCOMPARE(symbol.Kind(), TPicture::gkJpeg);

        Select(linkKey);
        OpenFromMenu();
        ChooseKind(TSpecialKey::Other);
        F->Prompts.FileNames = {Dirs().TablesDir + QStringLiteral("zvirata.kbt")};
        Dlg()->KeybdBtn->click();
        Dlg()->OKBtn->click();

        const QString path = F->TablePath(QStringLiteral("edited.kbt"));
        F->Form->SaveTable(path);
        F->Form->LoadTable(path);
        QCOMPARE(F->Form->Keys().size(), 2);
        TVxKey *a = nullptr;
        TVxKey *b = nullptr;
        for (TVxKey *k : F->Form->Keys())
            (k->SpecialKey() == TSpecialKey::Sound ? a : b) = k;
        QVERIFY(a && b);
        QCOMPARE(a->Text(), QStringLiteral("Kůň"));
        QCOMPARE(a->TextSh(), QStringLiteral("KŮŇ"));
        QCOMPARE(a->size(), QSize(120, 90));
        QCOMPARE(a->BorderWidth(), 7);
        QCOMPARE(a->Font().Name, QStringLiteral("DejaVu Sans"));
        QCOMPARE(a->Font().Height, -24);
        QCOMPARE(a->Font().Style, TKeyFont::TFontStyles(TKeyFont::fsItalic));
        QCOMPARE(a->WavName(), QStringLiteral("kun.wav"));
        QCOMPARE(a->Symbol(), symbol);
        QCOMPARE(a->Aspect(), 0.5);
        QCOMPARE(a->NormKeyColor(), 0x332210u);
        QCOMPARE(a->SpecKeyColor(), 0x332220u);
        QCOMPARE(a->ColorSelected(), 0x332230u);
        // The focus colour is the grid's: a loaded key takes it from there.
        QCOMPARE(a->ColorFocused(), F->Form->TimeGrid1->PenFocus().Color);
        QCOMPARE(a->Status(), TVxKeyStatus(vxoSendClick));
        QCOMPARE(b->SpecialKey(), TSpecialKey::Other);
        QCOMPARE(b->SpecialCode(), 253);
        QCOMPARE(b->KbdName(), QStringLiteral("zvirata.kbt"));
        QCOMPARE(b->Text(), QStringLiteral("b"));
        QCOMPARE(b->Status(), TVxKeyStatus(vxo3Deffect) | vxoSendClick);
    }
};

QTEST_MAIN(TestKeyEditing)
#include "tst_KeyEditing.moc"
