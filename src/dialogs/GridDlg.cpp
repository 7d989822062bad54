#include "GridDlg.h"

#include "ColorMap.h"
#include "ColorPanel.h"
#include "DialogStrings.h"
#include "Error.h"
#include "KeyboardLayout.h"
#include "Prompts.h"
#include "ScanAccessPage.h"
#include "ScanPresets.h"
#include "SwitchCapture.h"
#include "SwitchCodeText.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QSpinBox *SpinEdit(int minimum, int maximum, int step, int value, const char *name,
                   QWidget *parent) {
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return spin;
}

QLabel *Label(const QString &text, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TGridDialog::TGridDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("GridDialog"));
    setWindowTitle(DialogStrings::GridCaption);

    // Design values; every showing fills them from the grid first.
    GroupBox1 =
        BuildPenGroup(DialogStrings::GridGroup, GridSEdit, GridCol, DialogStrings::GridColourName);
    GridSEdit->setObjectName(QStringLiteral("GridSEdit"));
    GridSEdit->setValue(2);
    GridCol->setObjectName(QStringLiteral("GridCol"));
    GridCol->SetColor(0x00808080);
    NColSEdit = SpinEdit(1, 100, 1, 5, "NColSEdit", GroupBox1);
    NRowSEdit = SpinEdit(1, 100, 1, 5, "NRowSEdit", GroupBox1);
    auto *gridForm = static_cast<QFormLayout *>(GroupBox1->layout());
    gridForm->addRow(Label(DialogStrings::Columns, NColSEdit, GroupBox1), NColSEdit);
    gridForm->addRow(Label(DialogStrings::Rows, NRowSEdit, GroupBox1), NRowSEdit);

    GroupBox2 = BuildPenGroup(DialogStrings::CursorGroup, CurSEdit, CurCol,
                              DialogStrings::CursorColourName);
    CurSEdit->setObjectName(QStringLiteral("CurSEdit"));
    CurSEdit->setValue(4);
    CurCol->setObjectName(QStringLiteral("CurCol"));
    CurCol->SetColor(0x0000FFFF);

    GroupBox3 =
        BuildPenGroup(DialogStrings::FocusGroup, FocSEdit, FocCol, DialogStrings::FocusColourName);
    FocSEdit->setObjectName(QStringLiteral("FocSEdit"));
    FocSEdit->setValue(4);
    FocCol->setObjectName(QStringLiteral("FocCol"));
    FocCol->SetColor(0x000000FF);

    GroupBox4 = BuildScanGroup();
    GroupBox5 = BuildSwitchGroup();

    Button1 = new QPushButton(DialogStrings::ApplyChanges, this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    CancelButton = new QPushButton(DialogStrings::Cancel, this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    OKButton = new QPushButton(DialogStrings::Ok, this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TGridDialog::Button1Click);
    connect(OKButton, &QPushButton::clicked, this, &TGridDialog::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *left = new QVBoxLayout;
    left->addWidget(GroupBox1);
    left->addWidget(GroupBox2);
    left->addWidget(GroupBox3);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(GroupBox4);
    right->addWidget(GroupBox5);
    right->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    // The settings of the grid and the switches on the first page, switch access on the second.
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    auto *basic = new QWidget(Pages);
    basic->setObjectName(QStringLiteral("BasicPage"));
    for (QGroupBox *group : {GroupBox1, GroupBox2, GroupBox3, GroupBox4, GroupBox5})
        group->setParent(basic);
    auto *grid = new QGridLayout(basic);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    Pages->addTab(basic, DialogStrings::BasicPage);
    AccessPage = new TScanAccessPage(Pages);
    Pages->addTab(AccessPage, DialogStrings::AdvancedPage);
    auto *whole = new QVBoxLayout(this);
    whole->addWidget(Pages);
    whole->addLayout(buttons);
    // A single border the user cannot drag.
    whole->setSizeConstraint(QLayout::SetFixedSize);

    for (TColorPanel *panel : {GridCol, CurCol, FocCol})
        connect(panel, &QPushButton::clicked, this, [this, panel] { GridColClick(panel); });
    connect(qApp, &QApplication::focusChanged, this, &TGridDialog::FocusChanged);
    EnableChecks();
}

TGridDialog::~TGridDialog() {
    // Hiding the dialog on its way out moves the focus, and the application would report that
    // to a dialog that is already half destroyed.
    disconnect(qApp, nullptr, this, nullptr);
}

QGroupBox *TGridDialog::BuildPenGroup(const QString &title, QSpinBox *&width, TColorPanel *&colour,
                                      const QString &colourName) {
    auto *group = new QGroupBox(title, this);
    width = SpinEdit(1, 20, 1, 1, "", group);
    colour = new TColorPanel(group);
    colour->setAccessibleName(colourName);
    auto *form = new QFormLayout(group);
    form->addRow(Label(DialogStrings::Thickness, width, group), width);
    form->addRow(Label(DialogStrings::Colour, colour, group), colour);
    return group;
}

QGroupBox *TGridDialog::BuildScanGroup() {
    auto *group = new QGroupBox(DialogStrings::ScanGroup, this);
    group->setObjectName(QStringLiteral("GroupBox4"));
    ScanModeCombo = new QComboBox(group);
    ScanModeCombo->setObjectName(QStringLiteral("ScanModeCombo"));
    ScanModeCombo->addItems(ScanPresets::Names());
    ScanModeCombo->setCurrentIndex(0);
    ScanModeCombo->setAccessibleName(DialogStrings::ScanGroup);
    const auto check = [group](const QString &text, const char *name) {
        auto *box = new QCheckBox(text, group);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    XkursorChk = check(DialogStrings::XCursor, "XkursorChk");
    StopChk = check(DialogStrings::Stopping, "StopChk");
    StayOnRowChk = check(DialogStrings::StayOnRow, "StayOnRowChk");
    StayOnColChk = check(DialogStrings::StayOnCol, "StayOnColChk");
    MouseChk = check(DialogStrings::PointByMouse, "MouseChk");
    auto *column = new QVBoxLayout(group);
    for (QWidget *w : std::initializer_list<QWidget *>{ScanModeCombo, XkursorChk, StopChk,
                                                       StayOnRowChk, StayOnColChk, MouseChk})
        column->addWidget(w);
    connect(ScanModeCombo, &QComboBox::activated, this, &TGridDialog::ScanModeComboChange);
    return group;
}

QGroupBox *TGridDialog::BuildSwitchGroup() {
    auto *group = new QGroupBox(DialogStrings::SwitchGroup, this);
    group->setObjectName(QStringLiteral("GroupBox5"));
    IntSEdit = SpinEdit(100, 10000, 100, 1000, "IntSEdit", group);
    LongSEdit = SpinEdit(100, 10000, 100, 500, "LongSEdit", group);
    Sw1Combo = SwitchCombo(1);
    Sw2Combo = SwitchCombo(2);
    Sw1Capture = new TSwitchCapture(1, group);
    Sw1Capture->setObjectName(QStringLiteral("Sw1Capture"));
    Sw2Capture = new TSwitchCapture(2, group);
    Sw2Capture->setObjectName(QStringLiteral("Sw2Capture"));
    connect(Sw1Capture, &TSwitchCapture::Captured, this,
            [this](int code) { ShowSwitchCode(1, code); });
    connect(Sw2Capture, &TSwitchCapture::Captured, this,
            [this](int code) { ShowSwitchCode(2, code); });
    const auto withCapture = [](QComboBox *combo, TSwitchCapture *capture) {
        auto *row = new QHBoxLayout;
        row->addWidget(combo, 1);
        row->addWidget(capture);
        return row;
    };
    // Each capture button right after its field.
    setTabOrder(LongSEdit, Sw1Combo);
    setTabOrder(Sw1Combo, Sw1Capture);
    setTabOrder(Sw1Capture, Sw2Combo);
    setTabOrder(Sw2Combo, Sw2Capture);
    auto *form = new QFormLayout(group);
    form->addRow(Label(DialogStrings::Interval, IntSEdit, group), IntSEdit);
    form->addRow(Label(DialogStrings::LongPress, LongSEdit, group), LongSEdit);
    form->addRow(Label(DialogStrings::Switch1, Sw1Combo, group), withCapture(Sw1Combo, Sw1Capture));
    form->addRow(Label(DialogStrings::Switch2, Sw2Combo, group), withCapture(Sw2Combo, Sw2Capture));
    return group;
}

QComboBox *TGridDialog::SwitchCombo(int switchNumber) {
    auto *combo = new QComboBox(this);
    combo->setObjectName(switchNumber == 1 ? QStringLiteral("Sw1Combo")
                                           : QStringLiteral("Sw2Combo"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Completing "e" to "Enter" would turn the letter E into another key.
    combo->setCompleter(nullptr);
    combo->addItems(SwitchCodeText::Names());
    combo->setAccessibleName(DialogStrings::SwitchName(switchNumber));
    // Typing goes to the field inside, which a screen reader announces on its own.
    combo->lineEdit()->setAccessibleName(combo->accessibleName());
    combo->setMinimumContentsLength(10);
    return combo;
}

void TGridDialog::SetScanAccess(const TScanAccess &access) {
    AccessPage->Fill(access);
}

void TGridDialog::SetPromptVoices(const QList<TVoiceToken> &voices) {
    AccessPage->SetVoices(voices);
}

void TGridDialog::SetAudioDevices(const QList<QPair<QString, QString>> &devices) {
    AccessPage->SetDevices(devices);
}

void TGridDialog::SetScanTimer(QTimer *timer) {
    FScanTimer = timer;
}

TTimeGrid *TGridDialog::Grid() const {
    return FGrid;
}

void TGridDialog::FillFromGrid(TTimeGrid *grid) {
    if (!grid)
        return;
    NColSEdit->setValue(grid->nCol());
    NRowSEdit->setValue(grid->nRow());
    GridCol->SetColor(grid->PenGrid().Color);
    GridSEdit->setValue(grid->PenGrid().Width);
    CurCol->SetColor(grid->PenCursor().Color);
    CurSEdit->setValue(grid->PenCursor().Width);
    FocCol->SetColor(grid->PenFocus().Color);
    FocSEdit->setValue(grid->PenFocus().Width);
    if (FScanTimer)
        IntSEdit->setValue(FScanTimer->interval());
    LongSEdit->setValue(grid->SwTime());
    ShowSwitchCode(1, grid->SwCode1());
    ShowSwitchCode(2, grid->SwCode2());
    MouseChk->setChecked(grid->PointByMouse());
    ScanModeCombo->setCurrentIndex(ScanPresets::PresetOf(grid->ScanModes()));
    ShowChecks(grid->ScanModes().toInt());
    EnableChecks();
    FGrid = grid;
}

void TGridDialog::ApplyToGrid(TTimeGrid *grid) {
    if (!grid)
        return;
    // Switch access first: a bad switch key below must not keep it from being applied.
    if (FOnAccessApplied)
        FOnAccessApplied(AccessPage->Value());
    grid->SetnCol(NColSEdit->value());
    grid->SetnRow(NRowSEdit->value());
    grid->SetPenGrid(TGridPen{GridCol->Color(), GridSEdit->value(), grid->PenGrid().Style});
    grid->SetPenCursor(TGridPen{CurCol->Color(), CurSEdit->value(), grid->PenCursor().Style});
    grid->SetPenFocus(TGridPen{FocCol->Color(), FocSEdit->value(), grid->PenFocus().Style});
    if (FScanTimer)
        FScanTimer->setInterval(IntSEdit->value());
    grid->SetSwTime(LongSEdit->value());
    if (grid->isVisible())
        grid->ArrangeCells();
    // Both switches or neither: half a pair could leave two switches on one key.
    const int code1 = SwitchCode(1);
    const int code2 = SwitchCode(2);
    switch (SwitchCodeText::Check(code1, code2)) {
    case SwitchCodeText::TRefusal::None:
        break;
    case SwitchCodeText::TRefusal::NoKey1:
        throw TError(DialogStrings::InvalidSwitch1);
    case SwitchCodeText::TRefusal::NoKey2:
        throw TError(DialogStrings::InvalidSwitch2);
    case SwitchCodeText::TRefusal::EditKey1:
        throw TError(DialogStrings::EditKeySwitch(1));
    case SwitchCodeText::TRefusal::EditKey2:
        throw TError(DialogStrings::EditKeySwitch(2));
    case SwitchCodeText::TRefusal::SameKey:
        throw TError(DialogStrings::SameKeySwitches);
    }
    grid->SetSwCode1(quint16(code1));
    grid->SetSwCode2(quint16(code2));
    TVxKey::ActiveFrameWidth = FocSEdit->value();
    grid->SetScanModes(TScanModes::fromInt(CheckedModes()));
    grid->SetPointByMouse(MouseChk->isChecked());
    grid->update();
}

void TGridDialog::Open(TTimeGrid *grid) {
    if (isVisible())
        return;
    FillFromGrid(grid);
    setWindowModality(Qt::ApplicationModal);
    show();
    ScanModeCombo->setFocus(Qt::OtherFocusReason);
}

int TGridDialog::SwitchCode(int switchNumber) const {
    const QComboBox *combo = switchNumber == 1 ? Sw1Combo : Sw2Combo;
    if (FLayout)
        return SwitchCodeText::Code(combo->currentText(), *FLayout);
    return SwitchCodeText::Code(combo->currentText(), *TKeyboardLayout::Current());
}

void TGridDialog::ShowSwitchCode(int switchNumber, int code) {
    QComboBox *combo = switchNumber == 1 ? Sw1Combo : Sw2Combo;
    const QString text = FLayout ? SwitchCodeText::Text(code, *FLayout)
                                 : SwitchCodeText::Text(code, *TKeyboardLayout::Current());
    const int entry = int(SwitchCodeText::Names().indexOf(text));
    combo->setCurrentIndex(entry);
    if (entry < 0)
        combo->setEditText(text);
}

bool TGridDialog::TryApply() {
    try {
        ApplyToGrid(FGrid);
        return true;
    } catch (const TError &e) {
        Prompts().Error(e.Message());
        return false;
    }
}

void TGridDialog::Button1Click() {
    TryApply();
}

void TGridDialog::OKButtonClick() {
    // A bad switch key keeps the dialog open, so the user can mend it at once.
    if (TryApply())
        accept();
}

void TGridDialog::GridColClick(TColorPanel *panel) {
    const std::optional<QColor> chosen = Prompts().ChooseColor(FLastColor);
    if (!chosen)
        return;
    FLastColor = *chosen;
    panel->SetColor(FromQColor(*chosen));
}

void TGridDialog::ScanModeComboChange() {
    ShowChecks(ScanPresets::Modes(ScanModeCombo->currentIndex()).toInt());
    EnableChecks();
}

void TGridDialog::GroupBox4Exit() {
    ScanModeCombo->setCurrentIndex(ScanPresets::PresetOf(TScanModes::fromInt(CheckedModes())));
}

void TGridDialog::FocusChanged(QWidget *old, QWidget *now) {
    const bool wasIn = old && GroupBox4->isAncestorOf(old);
    const bool isIn = now && GroupBox4->isAncestorOf(now);
    if (wasIn && !isIn)
        GroupBox4Exit();
}

void TGridDialog::ShowChecks(int modes) {
    XkursorChk->setChecked(modes & smShowX);
    StopChk->setChecked(modes & smStop);
    StayOnRowChk->setChecked(modes & smStayOnRow);
    StayOnColChk->setChecked(modes & smStayOnCol);
}

int TGridDialog::CheckedModes() const {
    int modes = 0;
    if (XkursorChk->isChecked())
        modes |= smShowX;
    if (StopChk->isChecked())
        modes |= smStop;
    if (StayOnRowChk->isChecked())
        modes |= smStayOnRow;
    if (StayOnColChk->isChecked())
        modes |= smStayOnCol;
    return modes;
}

void TGridDialog::EnableChecks() {
    const bool custom = ScanModeCombo->currentIndex() == ScanPresets::Custom;
    for (QCheckBox *box : {XkursorChk, StopChk, StayOnRowChk, StayOnColChk})
        box->setEnabled(custom);
}
