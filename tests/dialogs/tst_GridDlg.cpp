#include "ColorField.h"
#include "GridDlg.h"
#include "KeyboardLayout.h"
#include "ScriptedPrompts.h"
#include "SwitchCapture.h"
#include "SwitchFilter.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <memory>
#include <tuple>

namespace {

const QString kInvalid1 = QStringLiteral("Invalid key code for switch 1");
const QString kInvalid2 = QStringLiteral("Invalid key code for switch 2");
const QString kEditKey1 =
    QStringLiteral("Spínač 1: klávesa F8 přepíná nastavení, spínačem být nemůže.");
const QString kEditKey2 =
    QStringLiteral("Spínač 2: klávesa F8 přepíná nastavení, spínačem být nemůže.");
const QString kSameKey = QStringLiteral("Spínač 1 a spínač 2 nemohou být stejná klávesa.");

} // namespace

// The grid dialog on a real grid, scan timer and switch filter, driven through its controls.
class TestGridDlg : public QObject {
    Q_OBJECT

    TScriptedPrompts FPrompts;
    std::unique_ptr<QWidget> FWindow;
    TTimeGrid *FGrid = nullptr;
    QTimer *FTimer = nullptr;
    TSwitchFilter *FFilter = nullptr;
    TGridDialog *FDlg = nullptr;

    QList<QCheckBox *> Checks() const {
        return {FDlg->XkursorChk, FDlg->StopChk, FDlg->StayOnRowChk, FDlg->StayOnColChk};
    }
    int CheckedModes() const {
        int modes = 0;
        for (int i = 0; i < 4; ++i)
            modes |= Checks()[i]->isChecked() ? 1 << i : 0;
        return modes;
    }
    // Types into a switch field as a user would; what the keyboard cannot type is pasted.
    static void Type(QComboBox *combo, const QString &text) {
        combo->lineEdit()->clear();
        // With the focus, as a user types: completion works only then.
        if (combo->window()->isVisible()) {
            combo->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(combo->window()));
            combo->setFocus();
        }
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            QTest::keyClicks(combo->lineEdit(), text);
        else
            combo->lineEdit()->setText(text);
        QCOMPARE(combo->currentText(), text);
    }

    // The widget Tab goes to next (a field's own editor is part of the field).
    static QWidget *NextTabStop(QWidget *widget) {
        QWidget *next = widget->nextInFocusChain();
        while (next != widget && widget->isAncestorOf(next))
            next = next->nextInFocusChain();
        return next;
    }

private slots:
    void init() {
        SetPrompts(&FPrompts);
        FPrompts = TScriptedPrompts();
        FWindow = std::make_unique<QWidget>();
        FGrid = new TTimeGrid(FWindow.get());
        FGrid->resize(300, 200);
        FFilter = new TSwitchFilter(FWindow.get());
        FGrid->SetSwitchFilter(FFilter);
        FGrid->SetSwCode1(32);
        FGrid->SetSwCode2(13);
        FTimer = new QTimer(FWindow.get());
        FTimer->setInterval(1000);
        FDlg = new TGridDialog(FWindow.get());
        FDlg->SetScanTimer(FTimer);
        FWindow->show();
    }
    void cleanup() {
        FWindow.reset();
        SetPrompts(nullptr);
    }

    void form() {
        QCOMPARE(FDlg->windowTitle(), QStringLiteral("Nastavení mřížky"));
        QCOMPARE(FDlg->layout()->sizeConstraint(), QLayout::SetFixedSize);
        const QList<std::tuple<QSpinBox *, int, int, int>> spins = {
            {FDlg->GridSEdit, 1, 20, 1},        {FDlg->CurSEdit, 1, 20, 1},
            {FDlg->FocSEdit, 1, 20, 1},         {FDlg->NColSEdit, 1, 100, 1},
            {FDlg->NRowSEdit, 1, 100, 1},       {FDlg->IntSEdit, 100, 10000, 100},
            {FDlg->LongSEdit, 100, 10000, 100},
        };
        for (const auto &[spin, minimum, maximum, step] : spins) {
            QCOMPARE(spin->minimum(), minimum);
            QCOMPARE(spin->maximum(), maximum);
            QCOMPARE(spin->singleStep(), step);
        }
        QCOMPARE(FDlg->ScanModeCombo->count(), 5);
        QCOMPARE(FDlg->Sw1Combo->count(), 15);
        QCOMPARE(FDlg->Sw2Combo->itemText(14), QStringLiteral("Right"));
        QVERIFY(FDlg->OKButton->isDefault());
        QCOMPARE(FDlg->Button1->text(), QStringLiteral("&Provést změny"));
        QCOMPARE(FDlg->Sw1Capture->accessibleName(), QStringLiteral("Zadat spínač 1 stiskem"));
        QCOMPARE(FDlg->Sw2Combo->accessibleName(), QStringLiteral("Spínač 2"));
        QCOMPARE(FDlg->FocCol->accessibleName(), QStringLiteral("Barva zvýraznění"));
        // Keyboard users reach each capture button right after its field.
        QCOMPARE(NextTabStop(FDlg->LongSEdit), FDlg->Sw1Combo);
        QCOMPARE(NextTabStop(FDlg->Sw1Combo), FDlg->Sw1Capture);
        QCOMPARE(NextTabStop(FDlg->Sw1Capture), FDlg->Sw2Combo);
        QCOMPARE(NextTabStop(FDlg->Sw2Combo), FDlg->Sw2Capture);
    }

    void fillShowsTheGrid() {
        FGrid->SetnCol(7);
        FGrid->SetnRow(3);
        FGrid->SetPenGrid(TGridPen{0x00112233, 2, Qt::SolidLine});
        FGrid->SetPenCursor(TGridPen{0x00445566, 5, Qt::SolidLine});
        FGrid->SetPenFocus(TGridPen{0xFF000005, 6, Qt::SolidLine});
        FGrid->SetSwTime(700);
        FGrid->SetPointByMouse(true);
        FTimer->setInterval(1300);
        FDlg->FillFromGrid(FGrid);
        QCOMPARE(FDlg->NColSEdit->value(), 7);
        QCOMPARE(FDlg->NRowSEdit->value(), 3);
        QCOMPARE(FDlg->GridCol->Color(), 0x00112233u);
        QCOMPARE(FDlg->GridSEdit->value(), 2);
        QCOMPARE(FDlg->CurCol->Color(), 0x00445566u);
        QCOMPARE(FDlg->CurSEdit->value(), 5);
        QCOMPARE(FDlg->FocCol->Color(), 0xFF000005u); // a system colour stays one
        QCOMPARE(FDlg->FocSEdit->value(), 6);
        QCOMPARE(FDlg->IntSEdit->value(), 1300);
        QCOMPARE(FDlg->LongSEdit->value(), 700);
        QVERIFY(FDlg->MouseChk->isChecked());
        QCOMPARE(FDlg->Grid(), FGrid);
    }

    void switchFields_data() {
        QTest::addColumn<int>("code1");
        QTest::addColumn<int>("code2");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<int>("entry1");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<int>("entry2");
        QTest::newRow("space and enter") << 32 << 13 << "Space" << 0 << "Enter" << 2;
        QTest::newRow("function key and letter") << 123 << 65 << "F12" << -1 << "A" << -1;
        QTest::newRow("keypad key and arrow") << 0x60 << 39 << "#96" << -1 << "Right" << 14;
    }
    void switchFields() {
        QFETCH(int, code1);
        QFETCH(int, code2);
        FGrid->SetSwCode1(quint16(code1));
        FGrid->SetSwCode2(quint16(code2));
        FDlg->FillFromGrid(FGrid);
        QTEST(FDlg->Sw1Combo->currentText(), "text1");
        QTEST(FDlg->Sw1Combo->currentIndex(), "entry1");
        QTEST(FDlg->Sw2Combo->currentText(), "text2");
        QTEST(FDlg->Sw2Combo->currentIndex(), "entry2");
        // Unchanged fields give the same switches back.
        FDlg->ApplyToGrid(FGrid);
        QCOMPARE(int(FGrid->SwCode1()), code1);
        QCOMPARE(int(FGrid->SwCode2()), code2);
    }

    // A typed switch text through "&Provést změny": the key it names, or the error, the old
    // code kept, the fields before the switch applied and those after it not.
    void typedSwitch_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code"); // 0: refused
        QTest::addColumn<QString>("refusal");
        QTest::newRow("F12") << 1 << "F12" << 123 << QString();
        QTest::newRow("F8") << 1 << "F8" << 0 << kEditKey1;
        QTest::newRow("F8 by number") << 1 << "#119" << 0 << kEditKey1;
        QTest::newRow("switch 2 F8 by number") << 2 << "#119" << 0 << kEditKey2;
        QTest::newRow("switch 2 as switch 1") << 2 << "Space" << 0 << kSameKey;
        QTest::newRow("F25") << 1 << "F25" << 0 << kInvalid1;
        QTest::newRow("small a") << 1 << "a" << 65 << QString();
        QTest::newRow("capital A") << 1 << "A" << 65 << QString();
        QTest::newRow("a list name typed") << 1 << "Tab" << 9 << QString();
        QTest::newRow("e is not completed to Enter") << 1 << "e" << 69 << QString();
        QTest::newRow("empty") << 1 << "" << 0 << kInvalid1;
        QTest::newRow("no key on the layout") << 1 << "ě" << 0 << kInvalid1;
        QTest::newRow("switch 2 letter") << 2 << "z" << 90 << QString();
        QTest::newRow("switch 2 empty") << 2 << "" << 0 << kInvalid2;
    }
    void typedSwitch() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(int, code);
        QFETCH(QString, refusal);
        FDlg->FillFromGrid(FGrid);
        FDlg->Open(FGrid);
        FDlg->NColSEdit->setValue(9);
        FDlg->ScanModeCombo->setCurrentIndex(3);
        FDlg->ScanModeComboChange();
        Type(field == 1 ? FDlg->Sw1Combo : FDlg->Sw2Combo, text);
        FDlg->Button1->click();
        QCOMPARE(FGrid->nCol(), 9);
        const int applied = field == 1 ? FGrid->SwCode1() : FGrid->SwCode2();
        if (code != 0) {
            QVERIFY(FPrompts.Shown.isEmpty());
            QCOMPARE(applied, code);
            QCOMPARE(FGrid->ScanModes(), smShowX | smStop);
            QCOMPARE(FFilter->WatchedKeys(),
                     TWatchedKeys::FromCodes(FGrid->SwCode1(), FGrid->SwCode2()));
        } else {
            QCOMPARE(FPrompts.Texts(), QStringList{refusal});
            QCOMPARE(FPrompts.Shown.first().Kind, TScriptedPrompts::kError);
            QCOMPARE(applied, field == 1 ? 32 : 13);
            QCOMPARE(FGrid->ScanModes(), TScanModes());
        }
        QVERIFY(FDlg->isVisible());
    }

    void layoutDecidesTheCharacter() {
        class TOneKey final : public TKeyboardLayout {
            int KeyScan(char32_t ch) const override { return ch == U'ě' ? 0x132 : -1; }
        } czech;
        FDlg->SetKeyboardLayout(&czech);
        FDlg->FillFromGrid(FGrid);
        Type(FDlg->Sw1Combo, QStringLiteral("ě"));
        FDlg->ApplyToGrid(FGrid);
        QCOMPARE(int(FGrid->SwCode1()), 0x32);
    }

    void okWithBadSwitchStaysOpen() {
        FDlg->Open(FGrid);
        Type(FDlg->Sw2Combo, QStringLiteral("F25"));
        FDlg->OKButton->click();
        QVERIFY(FDlg->isVisible());
        QCOMPARE(FPrompts.Texts(), QStringList{kInvalid2});
        Type(FDlg->Sw2Combo, QStringLiteral("F2"));
        FDlg->OKButton->click();
        QVERIFY(!FDlg->isVisible());
        QCOMPARE(int(FGrid->SwCode2()), 113);
    }

    void presetOnFill_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("preset");
        QTest::newRow("stopping alone is custom") << int(smStop) << 4;
        QTest::newRow("x cursor with stopping") << int(smShowX | smStop) << 3;
        QTest::newRow("simple") << 0 << 0;
        QTest::newRow("advanced") << int(smStayOnRow) << 1;
    }
    void presetOnFill() {
        QFETCH(int, modes);
        QFETCH(int, preset);
        FGrid->SetScanModes(TScanModes::fromInt(modes));
        FDlg->Open(FGrid);
        QCOMPARE(FDlg->ScanModeCombo->currentIndex(), preset);
        QCOMPARE(CheckedModes(), modes);
        for (QCheckBox *box : Checks())
            QCOMPARE(box->isEnabled(), preset == 4);
        FDlg->OKButton->click();
        QCOMPARE(FGrid->ScanModes().toInt(), modes);
    }

    void choosingAPreset_data() {
        QTest::addColumn<int>("preset");
        QTest::addColumn<int>("modes");
        QTest::newRow("x cursor no stop") << 2 << int(smShowX | smStayOnRow | smStayOnCol);
        QTest::newRow("custom starts empty") << 4 << 0;
    }
    void choosingAPreset() {
        QFETCH(int, preset);
        QFETCH(int, modes);
        FGrid->SetScanModes(smShowX | smStop);
        FDlg->Open(FGrid);
        // A user's choice from the list, as the keyboard makes it.
        FDlg->ScanModeCombo->setCurrentIndex(preset);
        emit FDlg->ScanModeCombo->activated(preset);
        QCOMPARE(CheckedModes(), modes);
        for (QCheckBox *box : Checks())
            QCOMPARE(box->isEnabled(), preset == 4);
    }

    void leavingTheGroupNamesThePreset() {
        FDlg->Open(FGrid);
        QVERIFY(QTest::qWaitForWindowActive(FDlg));
        FDlg->ScanModeCombo->setCurrentIndex(4);
        emit FDlg->ScanModeCombo->activated(4);
        FDlg->StayOnRowChk->setFocus();
        FDlg->StayOnRowChk->click();
        QCOMPARE(FDlg->ScanModeCombo->currentIndex(), 4); // still inside the group
        FDlg->IntSEdit->setFocus();
        QCOMPARE(FDlg->ScanModeCombo->currentIndex(), 1);
        QVERIFY(FDlg->StayOnRowChk->isChecked());
    }

    void captureFillsTheField_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("code");
        QTest::newRow("function key") << int(Qt::Key_F5) << "F5" << 116;
        QTest::newRow("letter") << int(Qt::Key_X) << "X" << 88;
        QTest::newRow("listed key") << int(Qt::Key_Tab) << "Tab" << 9;
        QTest::newRow("key without character") << int(Qt::Key_Shift) << "#16" << 16;
        QTest::newRow("escape cancels") << int(Qt::Key_Escape) << "Space" << 32;
        QTest::newRow("F8 is refused") << int(Qt::Key_F8) << "Space" << 32;
    }
    void captureFillsTheField() {
        QFETCH(int, key);
        FDlg->Open(FGrid);
        QVERIFY(QTest::qWaitForWindowActive(FDlg));
        QTest::keyClick(FDlg->Sw1Capture, Qt::Key_Space);
        QVERIFY(FDlg->Sw1Capture->Capturing());
        // The press goes to whatever has the focus; the capture takes it first.
        QTest::keyPress(FDlg->OKButton, Qt::Key(key));
        QTest::keyRelease(FDlg->OKButton, Qt::Key(key));
        QVERIFY(!FDlg->Sw1Capture->Capturing());
        QVERIFY(FDlg->isVisible());
        QTEST(FDlg->Sw1Combo->currentText(), "shown");
        QTEST(FDlg->SwitchCode(1), "code");
        QCOMPARE(FPrompts.Texts(), key == Qt::Key_F8 ? QStringList{kEditKey1} : QStringList());
    }

    void applyThenCancelKeepsWhatWasApplied() {
        FFilter->SetSwitchKeys(32, 13);
        FTimer->start();
        FDlg->Open(FGrid);
        FDlg->IntSEdit->setValue(300);
        FDlg->LongSEdit->setValue(800);
        FDlg->FocSEdit->setValue(7);
        FDlg->MouseChk->setChecked(true);
        Type(FDlg->Sw1Combo, QStringLiteral("F3"));
        FDlg->Button1->click();
        // At once, on the running scan.
        QCOMPARE(FTimer->interval(), 300);
        QVERIFY(FTimer->isActive());
        QCOMPARE(FGrid->SwTime(), 800);
        QCOMPARE(TVxKey::ActiveFrameWidth, 7);
        QVERIFY(FGrid->PointByMouse());
        QCOMPARE(FFilter->WatchedKeys(), TWatchedKeys::FromCodes(114, 13));
        FDlg->NColSEdit->setValue(42);
        FDlg->CancelButton->click();
        QVERIFY(!FDlg->isVisible());
        QCOMPARE(FTimer->interval(), 300);
        QVERIFY(FGrid->nCol() != 42);
    }

    void colourPanels() {
        FPrompts.Colors = {QColor(0x10, 0x20, 0x30), QColor(0x40, 0x50, 0x60)};
        FDlg->Open(FGrid);
        FDlg->CurCol->click();
        FDlg->GridCol->click();
        FDlg->FocCol->click(); // cancelled: nothing changes
        QCOMPARE(FPrompts.Shown.size(), 3);
        FDlg->OKButton->click();
        QCOMPARE(FGrid->PenCursor().Color, 0x00302010u);
        QCOMPARE(FGrid->PenGrid().Color, 0x00605040u);
        QCOMPARE(FGrid->PenFocus().Color, 0x000000FFu);
    }
};

QTEST_MAIN(TestGridDlg)
#include "tst_GridDlg.moc"
