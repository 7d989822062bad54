// The key settings dialog: its controls and their wiring. What the handlers do is in
// KeySettingHandlers.cpp.
#include "KeySettingDlg.h"

#include "ColorField.h"
#include "DialogParts.h"
#include "DialogStrings.h"
#include "SpecialKey.h"
#include "SymbolImage.h"
#include "VxKey.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Colours of the preview key's design: button face and 3D light are system colours.
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kGray = 0x808080;
constexpr std::uint32_t kBtnFace = 0xFF00000F;
constexpr std::uint32_t k3DLight = 0xFF000016;

// The sizes' spin boxes, all of one width.
QSpinBox *SizeEdit(const DialogParts::TSpin &spin, const char *name, QWidget *parent) {
    QSpinBox *edit = DialogParts::SpinBox(spin, name, parent);
    edit->setFixedWidth(80);
    return edit;
}

} // namespace

using DialogParts::Caption;

TKeySettingDlg::TKeySettingDlg(TSpeechOutput *speech, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , FSpeech(speech) {
    setObjectName(QStringLiteral("KeySettingDlg"));
    setWindowTitle(DialogStrings::KeySettingCaption);

    // FormCreate: the working key is a child that is never shown.
    FWorkingKey = new TVxKey(this);
    FWorkingKey->setObjectName(QStringLiteral("WorkingKey"));
    FWorkingKey->hide();

    BuildControls();
    // FormCreate hides the tab of the sound and the linked table until a key needs it.
    ShowOtherPage(false);
    layout()->activate();
    setFixedSize(sizeHint());
}

TKeySettingDlg::~TKeySettingDlg() = default;

void TKeySettingDlg::BuildControls() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    RozmerySheet = BuildRozmerySheet();
    SymbolSheet = BuildSymbolSheet();
    BarvySheet = BuildBarvySheet();
    JineSheet = BuildJineSheet();
    PageControl1->addTab(RozmerySheet, DialogStrings::RozmerySheet);
    PageControl1->addTab(SymbolSheet, DialogStrings::SymbolSheet);
    PageControl1->addTab(BarvySheet, DialogStrings::BarvySheet);
    PageControl1->addTab(JineSheet, DialogStrings::JineSheet);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == PageControl1->indexOf(RozmerySheet))
            RozmerySheetEnter();
    });

    OKBtn = new QPushButton(DialogStrings::OkButton, this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(DialogStrings::CancelButton, this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    ApplyBtn = new QPushButton(DialogStrings::ApplyButton, this);
    ApplyBtn->setObjectName(QStringLiteral("ApplyBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &TKeySettingDlg::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TKeySettingDlg::reject);
    connect(ApplyBtn, &QPushButton::clicked, this, &TKeySettingDlg::ApplyBtnClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(ApplyBtn);
    auto *column = new QVBoxLayout(this);
    column->addWidget(PageControl1);
    column->addLayout(buttons);
}

QWidget *TKeySettingDlg::BuildRozmerySheet() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("RozmerySheet"));
    auto *grid = new QGridLayout(page);

    // Created in the order the Tab key visits them: texts first, as they change most often.
    TextShEdit = new QLineEdit(page);
    TextShEdit->setObjectName(QStringLiteral("TextShEdit"));
    TextShEdit->setFixedSize(193, 25);
    TextShEdit->setAccessibleName(DialogStrings::UpperTextName);
    TextEdit = new QLineEdit(page);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    TextEdit->setFixedSize(193, 33);
    TextLabel = Caption(DialogStrings::TextLabel, TextEdit, page);
    FontBtn1 = new QPushButton(DialogStrings::FontButton, page);
    FontBtn1->setObjectName(QStringLiteral("FontBtn1"));
    SystemChk = new QCheckBox(DialogStrings::SystemKey, page);
    SystemChk->setObjectName(QStringLiteral("SystemChk"));
    SpecialCombo = new QComboBox(page);
    SpecialCombo->setObjectName(QStringLiteral("SpecialCombo"));
    SpecialCombo->setAccessibleName(DialogStrings::SpecialKeyName);
    // The list comes from the key's own table of names, so it always matches the kinds.
    for (const char *name : SpecialKeyNames)
        SpecialCombo->addItem(QLatin1String(name));
    SpecialCombo->setCurrentIndex(0);
    SpecialCombo->setMaxVisibleItems(SpecialKeyCount);
    BtnHEdit = SizeEdit({10, 600, 5, 40}, "BtnHEdit", page);
    BtnWEdit = SizeEdit({10, 600, 5, 60}, "BtnWEdit", page);
    BordEdit = SizeEdit({1, 100, 1, 5}, "BordEdit", page);

    grid->addWidget(TextShEdit, 0, 1);
    grid->addWidget(TextLabel, 1, 0);
    grid->addWidget(TextEdit, 1, 1);
    grid->addWidget(FontBtn1, 1, 2);
    grid->addWidget(SystemChk, 2, 0, 1, 2);
    grid->addWidget(SpecialCombo, 2, 2);
    grid->setRowMinimumHeight(3, 12);
    grid->addWidget(Caption(DialogStrings::HeightLabel, BtnHEdit, page), 4, 0);
    grid->addWidget(BtnHEdit, 4, 1, Qt::AlignLeft);
    grid->addWidget(Caption(DialogStrings::WidthLabel, BtnWEdit, page), 5, 0);
    grid->addWidget(BtnWEdit, 5, 1, Qt::AlignLeft);
    grid->addWidget(Caption(DialogStrings::BorderLabel, BordEdit, page), 6, 0);
    grid->addWidget(BordEdit, 6, 1, Qt::AlignLeft);
    grid->setRowStretch(7, 1);

    connect(BtnHEdit, &QSpinBox::valueChanged, this, &TKeySettingDlg::BtnHEditChange);
    connect(BtnWEdit, &QSpinBox::valueChanged, this, &TKeySettingDlg::BtnWEditChange);
    connect(BordEdit, &QSpinBox::valueChanged, this, &TKeySettingDlg::BordEditChange);
    connect(TextEdit, &QLineEdit::textChanged, this, [this] { TextEditChange(TextEdit); });
    connect(TextShEdit, &QLineEdit::textChanged, this, [this] { TextEditChange(TextShEdit); });
    connect(FontBtn1, &QPushButton::clicked, this, &TKeySettingDlg::FontBtn1Click);
    // toggled, not clicked: setting the box from a key runs the handler as a click would.
    connect(SystemChk, &QCheckBox::toggled, this, &TKeySettingDlg::SystemChkClick);
    // activated: only the user's choice (mouse or keyboard) counts, not a fill.
    connect(SpecialCombo, &QComboBox::activated, this, &TKeySettingDlg::SpecialComboChange);
    return page;
}

QWidget *TKeySettingDlg::BuildSymbolSheet() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("SymbolSheet"));
    Panel1 = new QFrame(page);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setFixedSize(198, 158);
    Image1 = new TSymbolImage(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 194, 154);

    LoadSymbolBt = new QPushButton(DialogStrings::LoadSymbol, page);
    LoadSymbolBt->setObjectName(QStringLiteral("LoadSymbolBt"));
    ClearSymbolBt = new QPushButton(DialogStrings::ClearSymbol, page);
    ClearSymbolBt->setObjectName(QStringLiteral("ClearSymbolBt"));
    AspectChk = new QCheckBox(DialogStrings::KeepAspect, page);
    AspectChk->setObjectName(QStringLiteral("AspectChk"));
    AspectEd = new QLineEdit(DialogStrings::AspectDesign, page);
    AspectEd->setObjectName(QStringLiteral("AspectEd"));
    AspectEd->setFixedWidth(70);
    AspectEd->installEventFilter(this);

    auto *side = new QVBoxLayout;
    side->addWidget(LoadSymbolBt);
    side->addWidget(ClearSymbolBt);
    side->addStretch(1);
    side->addWidget(AspectChk);
    auto *aspectRow = new QHBoxLayout;
    aspectRow->addWidget(Caption(DialogStrings::AspectLabel, AspectEd, page));
    aspectRow->addWidget(AspectEd);
    aspectRow->addStretch(1);
    side->addLayout(aspectRow);
    auto *row = new QHBoxLayout(page);
    row->addWidget(Panel1, 0, Qt::AlignTop);
    row->addLayout(side);

    connect(LoadSymbolBt, &QPushButton::clicked, this, &TKeySettingDlg::LoadSymbolBtClick);
    connect(ClearSymbolBt, &QPushButton::clicked, this, &TKeySettingDlg::ClearSymbolBtClick);
    connect(AspectChk, &QCheckBox::toggled, this, &TKeySettingDlg::AspectChkClick);
    return page;
}

QLabel *TKeySettingDlg::ColorLabel(const QString &caption, TColorField *swatch, QWidget *parent) {
    QLabel *label = Caption(caption, swatch, parent);
    // A click on the caption asks for the colour as a double click on the swatch does.
    label->installEventFilter(this);
    FColorLabels.append(label);
    FSwatches.append(swatch);
    connect(swatch, &TColorField::ColorRequested, this, &TKeySettingDlg::NormalClDblClick);
    return label;
}

QWidget *TKeySettingDlg::BuildBarvySheet() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("BarvySheet"));
    auto *grid = new QGridLayout;
    const struct {
        TColorField **Swatch;
        const char *Name;
        const QString &Caption;
        const QString &Accessible;
    } rows[] = {
        {&NormalCl, "NormalCl", DialogStrings::NormalLabel, DialogStrings::NormalName},
        {&SystemCl, "SystemCl", DialogStrings::SpecialLabel, DialogStrings::SpecialName},
        {&BackCl, "BackCl", DialogStrings::BackLabel, DialogStrings::BackName},
        {&VybranCl, "VybranCl", DialogStrings::SelectedLabel, DialogStrings::SelectedName},
        {&ActivCl, "ActivCl", DialogStrings::ActiveLabel, DialogStrings::ActiveName},
    };
    int r = 0;
    for (const auto &row : rows) {
        auto *swatch = new TColorField(TColorField::TTrigger::DoubleClick, row.Accessible, page);
        swatch->setObjectName(QLatin1String(row.Name));
        *row.Swatch = swatch;
        grid->addWidget(ColorLabel(row.Caption, swatch, page), r, 0);
        grid->addWidget(swatch, r, 1);
        ++r;
    }
    D3Chk = new QCheckBox(DialogStrings::D3Check, page);
    D3Chk->setObjectName(QStringLiteral("D3Chk"));
    D3Chk->setChecked(true);
    grid->addWidget(D3Chk, r, 0, 1, 2);
    grid->setRowStretch(r + 1, 1);
    connect(D3Chk, &QCheckBox::toggled, this, &TKeySettingDlg::D3ChkClick);

    VxKey1 = new TVxKey(page);
    BuildPreviewKey();
    auto *row = new QHBoxLayout(page);
    row->addLayout(grid);
    row->addSpacing(16);
    row->addWidget(VxKey1, 0, Qt::AlignTop);
    row->addStretch(1);
    return page;
}

void TKeySettingDlg::BuildPreviewKey() {
    VxKey1->setObjectName(QStringLiteral("VxKey1"));
    VxKey1->setFixedSize(153, 137);
    VxKey1->setAccessibleDescription(DialogStrings::SampleDescription);
    VxKey1->SetText(DialogStrings::Sample);
    VxKey1->SetBorderWidth(5);
    VxKey1->SetColorSelected(kBlue);
    VxKey1->SetColorFocused(kGray);
    VxKey1->SetSelected(true);
    VxKey1->SetSpecKeyColor(kBtnFace);
    VxKey1->SetNormKeyColor(k3DLight);
    VxKey1->SetSpecialKey(TSpecialKey::None);
    VxKey1->SetAspect(0.9);
    VxKey1->SetStatus(TVxKeyStatus(vxo3Deffect) | vxoSendClick);
}

QWidget *TKeySettingDlg::BuildJineSheet() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("JineSheet"));
    SoundFileEdit = new QLineEdit(page);
    SoundFileEdit->setObjectName(QStringLiteral("SoundFileEdit"));
    SoundFileEdit->setToolTip(DialogStrings::SoundHint);
    SoundFileEdit->setMinimumWidth(200);
    SoundBtn = new QPushButton(DialogStrings::FindButton, page);
    SoundBtn->setObjectName(QStringLiteral("SoundBtn"));
    ReplayBtn = new QPushButton(DialogStrings::PlayButton, page);
    ReplayBtn->setObjectName(QStringLiteral("ReplayBtn"));
    KeybdEdit = new QLineEdit(page);
    KeybdEdit->setObjectName(QStringLiteral("KeybdEdit"));
    KeybdEdit->setToolTip(DialogStrings::KeybdHint);
    KeybdBtn = new QPushButton(DialogStrings::FindButton, page);
    KeybdBtn->setObjectName(QStringLiteral("KeybdBtn"));

    auto *grid = new QGridLayout(page);
    grid->addWidget(Caption(DialogStrings::SoundLabel, SoundFileEdit, page), 0, 0);
    grid->addWidget(SoundFileEdit, 0, 1);
    grid->addWidget(SoundBtn, 0, 2);
    grid->addWidget(ReplayBtn, 0, 3);
    grid->setRowMinimumHeight(1, 12);
    grid->addWidget(Caption(DialogStrings::KeybdLabel, KeybdEdit, page), 2, 0);
    grid->addWidget(KeybdEdit, 2, 1);
    grid->addWidget(KeybdBtn, 2, 2);
    grid->setRowStretch(3, 1);

    connect(SoundBtn, &QPushButton::clicked, this, &TKeySettingDlg::SoundBtnClick);
    connect(SoundFileEdit, &QLineEdit::textChanged, this, &TKeySettingDlg::SoundFileEditChange);
    connect(KeybdBtn, &QPushButton::clicked, this, &TKeySettingDlg::KeybdBtnClick);
    connect(KeybdEdit, &QLineEdit::textChanged, this, &TKeySettingDlg::KeybdEditChange);
    connect(ReplayBtn, &QPushButton::clicked, this, &TKeySettingDlg::PlayClick);
    return page;
}

void TKeySettingDlg::showEvent(QShowEvent *event) {
    // FormShow: always the sizes and texts first, centred on the screen.
    PageControl1->setCurrentWidget(RozmerySheet);
    RozmerySheetEnter();
    QDialog::showEvent(event);
    if (const QScreen *screen =
            parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TKeySettingDlg::eventFilter(QObject *watched, QEvent *event) {
    if (watched == AspectEd && event->type() == QEvent::FocusOut) {
        // Leaving the field for another control reads it; a message box or a menu taking the
        // focus for a moment does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            AspectEdExit();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const qsizetype i = FColorLabels.indexOf(qobject_cast<QLabel *>(watched));
        if (i >= 0 && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            NormalClDblClick(FSwatches.at(i));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TKeySettingDlg::RozmerySheetEnter() {
    if (TextEdit->isEnabled())
        TextEdit->setFocus(Qt::OtherFocusReason);
}

void TKeySettingDlg::ShowOtherPage(bool visible) {
    PageControl1->setTabVisible(PageControl1->indexOf(JineSheet), visible);
}
