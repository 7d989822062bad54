#include "GridDlg.h"

#include "ColorField.h"
#include "ColorMap.h"
#include "DialogParts.h"
#include "DialogStrings.h"
#include "Error.h"
#include "GridValues.h"
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

using namespace DialogParts;

namespace {

// A spin box as wide as its numbers.
QSpinBox *SpinEdit(const TSpin &spin, const char *name, QWidget *parent) {
    QSpinBox *box = SpinBox(spin, name, parent);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

} // namespace

TGridDialog::TGridDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("GridDialog"));
    setWindowTitle(DialogStrings::GridCaption);

    // Design values; every showing fills them from the grid first.
    const TGridValues design;
    GroupBox1 =
        BuildPenGroup(DialogStrings::GridGroup, GridSEdit, GridCol, DialogStrings::GridColourName);
    GridSEdit->setObjectName(QStringLiteral("GridSEdit"));
    GridCol->setObjectName(QStringLiteral("GridCol"));
    auto *gridForm = static_cast<QFormLayout *>(GroupBox1->layout());
    NColSEdit = SpinEdit({1, 100, 1, design.Columns}, "NColSEdit", GroupBox1);
    NRowSEdit = SpinEdit({1, 100, 1, design.Rows}, "NRowSEdit", GroupBox1);
    AddRow(gridForm, DialogStrings::Columns, NColSEdit);
    AddRow(gridForm, DialogStrings::Rows, NRowSEdit);

    GroupBox2 = BuildPenGroup(DialogStrings::CursorGroup, CurSEdit, CurCol,
                              DialogStrings::CursorColourName);
    CurSEdit->setObjectName(QStringLiteral("CurSEdit"));
    CurCol->setObjectName(QStringLiteral("CurCol"));

    GroupBox3 =
        BuildPenGroup(DialogStrings::FocusGroup, FocSEdit, FocCol, DialogStrings::FocusColourName);
    FocSEdit->setObjectName(QStringLiteral("FocSEdit"));
    FocCol->setObjectName(QStringLiteral("FocCol"));
    GridSEdit->setValue(design.Grid.Width);
    GridCol->SetColor(design.Grid.Color);
    CurSEdit->setValue(design.Cursor.Width);
    CurCol->SetColor(design.Cursor.Color);
    FocSEdit->setValue(design.Focus.Width);
    FocCol->SetColor(design.Focus.Color);

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

    for (TColorField *panel : {GridCol, CurCol, FocCol})
        connect(panel, &TColorField::ColorRequested, this, &TGridDialog::GridColClick);
    connect(qApp, &QApplication::focusChanged, this, &TGridDialog::FocusChanged);
    EnableChecks();
}

TGridDialog::~TGridDialog() {
    // Hiding the dialog on its way out moves the focus, and the application would report that
    // to a dialog that is already half destroyed.
    disconnect(qApp, nullptr, this, nullptr);
}

QGroupBox *TGridDialog::BuildPenGroup(const QString &title, QSpinBox *&width, TColorField *&colour,
                                      const QString &colourName) {
    QFormLayout *form = nullptr;
    QGroupBox *group = FormGroup(title, "", this, &form);
    width = SpinEdit({1, 20, 1, 1}, "", group);
    colour = new TColorField(TColorField::TTrigger::Click, colourName, group);
    AddRow(form, DialogStrings::Thickness, width);
    AddRow(form, DialogStrings::Colour, colour);
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
    QFormLayout *form = nullptr;
    QGroupBox *group = FormGroup(DialogStrings::SwitchGroup, "GroupBox5", this, &form);
    const TGridValues design;
    IntSEdit = SpinEdit({100, 10000, 100, design.Interval}, "IntSEdit", group);
    LongSEdit = SpinEdit({100, 10000, 100, design.LongPress}, "LongSEdit", group);
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
    AddRow(form, DialogStrings::Interval, IntSEdit);
    AddRow(form, DialogStrings::LongPress, LongSEdit);
    AddRow(form, DialogStrings::Switch1, Sw1Combo, withCapture(Sw1Combo, Sw1Capture));
    AddRow(form, DialogStrings::Switch2, Sw2Combo, withCapture(Sw2Combo, Sw2Capture));
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

TGridValues TGridDialog::Values() const {
    TGridValues v;
    v.Columns = NColSEdit->value();
    v.Rows = NRowSEdit->value();
    v.Grid = {GridCol->Color(), GridSEdit->value()};
    v.Cursor = {CurCol->Color(), CurSEdit->value()};
    v.Focus = {FocCol->Color(), FocSEdit->value()};
    v.Interval = IntSEdit->value();
    v.LongPress = LongSEdit->value();
    v.SwitchCode1 = SwitchCode(1);
    v.SwitchCode2 = SwitchCode(2);
    v.ScanModes = CheckedModes();
    v.PointByMouse = MouseChk->isChecked();
    v.Access = AccessPage->Value();
    return v;
}

void TGridDialog::ShowValues(const TGridValues &v) {
    NColSEdit->setValue(v.Columns);
    NRowSEdit->setValue(v.Rows);
    GridCol->SetColor(v.Grid.Color);
    GridSEdit->setValue(v.Grid.Width);
    CurCol->SetColor(v.Cursor.Color);
    CurSEdit->setValue(v.Cursor.Width);
    FocCol->SetColor(v.Focus.Color);
    FocSEdit->setValue(v.Focus.Width);
    IntSEdit->setValue(v.Interval);
    LongSEdit->setValue(v.LongPress);
    ShowSwitchCode(1, v.SwitchCode1);
    ShowSwitchCode(2, v.SwitchCode2);
    MouseChk->setChecked(v.PointByMouse);
    ScanModeCombo->setCurrentIndex(ScanPresets::PresetOf(TScanModes::fromInt(v.ScanModes)));
    ShowChecks(v.ScanModes);
    EnableChecks();
}

void TGridDialog::FillFromGrid(TTimeGrid *grid) {
    if (!grid)
        return;
    TGridValues values;
    // Without a scan timer the step shown stays.
    values.Interval = IntSEdit->value();
    values.Fill(*grid, FScanTimer);
    ShowValues(values);
    FGrid = grid;
}

void TGridDialog::ApplyToGrid(TTimeGrid *grid) {
    if (grid)
        Values().Apply(*grid, FScanTimer, FOnAccessApplied);
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

void TGridDialog::GridColClick(TColorField *panel) {
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
