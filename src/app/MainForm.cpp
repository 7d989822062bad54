#include "MainForm.h"

#include "AboutBox.h"
#include "AppStrings.h"
#include "ConfirmDlg.h"
#include "DirDialog.h"
#include "DragRect.h"
#include "DrawnIcons.h"
#include "GridDlg.h"
#include "KeySettingDlg.h"
#include "Printer.h"
#include "SlotRow.h"
#include "SpeechOutput.h"
#include "SwitchFilter.h"
#include "TText.h"
#include "TimeGrid.h"
#include "VoiceStrings.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Windows colours of the form's design.
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kLime(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);

// The pending accent. An accent sits high in its line, and a whole line of the large font is
// taller than the box, so the box shows the accent's own ink centred in it instead.
class TAccentLabel final : public QLabel {
public:
    using QLabel::QLabel;

    // The panel it fills has a fixed size, and the accent is drawn centred in whatever size it
    // gets: no text needs measuring, so its large font is not loaded until an accent is shown.
    QSize sizeHint() const override { return {}; }
    QSize minimumSizeHint() const override { return {}; }

protected:
    void paintEvent(QPaintEvent *) override {
        const QString accent = text();
        if (accent.isEmpty())
            return;
        // The outline knows the glyph of whichever font draws it, a fallback font included.
        QPainterPath outline;
        outline.addText(0, 0, font(), accent);
        const QRectF ink = outline.boundingRect();
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate((width() - ink.width()) / 2 - ink.left(),
                          (height() - ink.height()) / 2 - ink.top());
        painter.fillPath(outline, palette().color(foregroundRole()));
    }
};

void Paint(QWidget *w, QPalette::ColorRole role, const QColor &color) {
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
}

// A state label of the control strip: coloured text while enabled, greyed out while disabled.
QLabel *StateLabel(const QString &text, const QColor &color, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QPalette p = label->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, color);
    p.setColor(QPalette::Inactive, QPalette::WindowText, color);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    label->setPalette(p);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setEnabled(false);
    return label;
}

} // namespace

TForm1::TForm1(const QStringList &arguments, TSpeechOutput *speech, QWidget *parent)
    : QMainWindow(parent)
    , FSpeech(speech) {
    if (!FSpeech) {
        FNoSpeech = std::make_unique<TNoSpeech>();
        FSpeech = FNoSpeech.get();
    }
    // Keys name their menu in records by these names ("Form1.TablePopup").
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(AppStrings::DesignCaption);
    BuildControls();
    resize(650, 465);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    LayOutControls();
    FormCreate(arguments);
}

TForm1::~TForm1() {
    FormDestroy();
}

// Gives every control its real size now. A hidden window lays itself out only when first shown,
// but the first table is loaded before that, and its keys find their cells by position.
void TForm1::LayOutControls() {
    layout()->activate();
    centralWidget()->layout()->activate();
    Splitter1->refresh();
    CtrPanel->parentWidget()->layout()->activate();
    TimeGrid1->ApplyAlign();
}

void TForm1::BuildControls() {
    auto *central = new QWidget(this);
    central->setAutoFillBackground(true);
    Paint(central, QPalette::Window, kSilver);
    setCentralWidget(central);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Display = new QTextEdit(central);
    Display->setObjectName(QStringLiteral("Display"));
    Display->setAccessibleName(AppStrings::DisplayName);
    Display->setAcceptRichText(true);
    Display->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont displayFont(QStringLiteral("Times New Roman"));
    displayFont.setPixelSize(16);
    Display->setFont(displayFont);
    Display->setTextColor(kNavy);
    Paint(Display, QPalette::Text, kNavy);

    // The lower part holds the control strip and the key panel; the splitter between it and the
    // display changes the display's height.
    auto *lower = new QWidget(central);
    auto *lowerColumn = new QVBoxLayout(lower);
    lowerColumn->setContentsMargins(0, 0, 0, 0);
    lowerColumn->setSpacing(0);
    CtrPanel = BuildCtrPanel();
    CtrPanel->setParent(lower);
    lowerColumn->addWidget(CtrPanel);
    SlotRow = new TSlotRow(lower);
    SlotRow->setAutoFillBackground(true);
    Paint(SlotRow, QPalette::Window, kSilver);
    // The slots look like the keys below them: white faces, navy letters.
    Paint(SlotRow, QPalette::Button, Qt::white);
    Paint(SlotRow, QPalette::ButtonText, kNavy);
    SlotRow->setAccessibleName(AppStrings::SlotRowPrompt);
    SlotRow->hide();
    lowerColumn->addWidget(SlotRow);
    KeyPanel = new QWidget(lower);
    KeyPanel->setObjectName(QStringLiteral("KeyPanel"));
    KeyPanel->setAutoFillBackground(true);
    Paint(KeyPanel, QPalette::Window, kSilver);
    KeyPanel->setFocusPolicy(Qt::ClickFocus);
    KeyPanel->installEventFilter(this);
    lowerColumn->addWidget(KeyPanel, 1);

    // The grid fills the key panel, so grid and panel coordinates coincide.
    TimeGrid1 = new TTimeGrid(KeyPanel);
    TimeGrid1->setObjectName(QStringLiteral("TimeGrid1"));
    TimeGrid1->SetnCol(10);
    TimeGrid1->SetnRow(6);
    TimeGrid1->SetiCol(0);
    TimeGrid1->SetiRow(0);
    TimeGrid1->SetPenCursor(TGridPen{0x0000FFFF, 3, Qt::SolidLine});
    TimeGrid1->SetPenGrid(TGridPen{0x00808080, 1, Qt::SolidLine});
    TimeGrid1->SetPenFocus(TGridPen{0x000000FF, 3, Qt::SolidLine});
    TimeGrid1->SetAlign(TGridAlign::alClient);
    TimeGrid1->setFocusPolicy(Qt::StrongFocus);
    connect(TimeGrid1, &TTimeGrid::OnClick, this, &TForm1::UnselectAll);

    Splitter1 = new QSplitter(Qt::Vertical, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(4);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(Display);
    Splitter1->addWidget(lower);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({97, 465 - 97});
    column->addWidget(Splitter1);

    BuildStatusBar();
    BuildMenu();
    BuildTablePopup();
    ShowModal = [](QDialog &dialog) { return dialog.exec(); };
    connect(Splitter1, &QSplitter::splitterMoved, this, &TForm1::Splitter1Moved);

    HookKey = new TSwitchFilter(this);
    HookKey->SetReceiver(this);
    // While another window (a message, a file dialog) holds the input, the switch keys answer
    // it: a switch user is never left in front of a box they cannot close.
    HookKey->SetPassTest([this] {
        QWidget *modal = QApplication::activeModalWidget();
        return modal && modal != FConfirmDlg;
    });
    TimeGrid1->SetSwitchFilter(HookKey);
    const auto changeSwitch = [this](TTimeGrid *grid, quint16 oldCode, quint16 &newCode) {
        ChangeSwitch(grid, oldCode, newCode);
    };
    TimeGrid1->SetOnChangeSw1(changeSwitch);
    TimeGrid1->SetOnChangeSw2(changeSwitch);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();

    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    BuildScanFlow();
    BuildPrediction();
}

TConfirmDlg *TForm1::ConfirmDlg() {
    if (!FConfirmDlg)
        FConfirmDlg = new TConfirmDlg(this);
    return FConfirmDlg;
}

TGridDialog *TForm1::GridDialog() {
    if (!FGridDialog) {
        FGridDialog = new TGridDialog(this);
        FGridDialog->SetScanTimer(Timer2);
        FGridDialog->SetOnAccessApplied(
            [this](const TScanAccess &access) { SetScanAccess(access); });
    }
    return FGridDialog;
}

TKeySettingDlg *TForm1::KeySettingDlg() {
    if (!FKeySettingDlg) {
        FKeySettingDlg = new TKeySettingDlg(FSpeech, this);
        if (FSelectionTold)
            FKeySettingDlg->SetSelection(&FSelection);
        // Applied changes stay whatever button closes the dialog, so the table is changed now.
        connect(FKeySettingDlg, &TKeySettingDlg::Applied, this,
                [this] { SetTableName(QString()); });
    }
    return FKeySettingDlg;
}

TDirDialog *TForm1::DirDialog() {
    if (!FDirDialog)
        FDirDialog = new TDirDialog(this);
    return FDirDialog;
}

TAboutBox *TForm1::AboutBox() {
    if (!FAboutBox)
        FAboutBox = new TAboutBox(this);
    return FAboutBox;
}

void TForm1::SetSoundProblem(TSoundNotice::TOutput output, const QString &error) {
    if (!FSoundNotice.Set(output, error))
        return;
    const QString text = FSoundNotice.Text();
    SoundLabel->setToolTip(text);
    SoundLabel->setAccessibleDescription(text);
    SoundLabel->setVisible(!text.isEmpty());
}

QWidget *TForm1::BuildCtrPanel() {
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("CtrPanel"));
    panel->installEventFilter(this);
    panel->setFixedHeight(28);
    panel->setAutoFillBackground(true);
    Paint(panel, QPalette::Window, kSilver);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(10);

    CapsLockLabel = StateLabel(AppStrings::CapsLock, kLime, panel);
    ShiftLabel = StateLabel(AppStrings::Shift, kLime, panel);
    EditLabel = StateLabel(AppStrings::EditLabel, kRed, panel);
    ScanningLabel = StateLabel(AppStrings::ScanningLabel, kRed, panel);
    SoundLabel = StateLabel(AppStrings::NoSoundLabel, kRed, panel);
    SoundLabel->setEnabled(true);
    SoundLabel->setVisible(false);
    OutsideLabel = StateLabel(AppStrings::OutsideLabel, kLime, panel);
    OutsideLabel->setObjectName(QStringLiteral("OutsideLabel"));
    OutsideLabel->setEnabled(true);
    OutsideLabel->setToolTip(AppStrings::OutsideHint);
    OutsideLabel->setVisible(false);
    for (QLabel *l :
         {CapsLockLabel, ShiftLabel, EditLabel, ScanningLabel, SoundLabel, OutsideLabel})
        row->addWidget(l);

    Panel1 = new QWidget(panel);
    Panel1->setFixedSize(33, 19);
    Panel1->setAutoFillBackground(true);
    Paint(Panel1, QPalette::Window, Qt::white);
    auto *accentBox = new QHBoxLayout(Panel1);
    accentBox->setContentsMargins(0, 0, 0, 0);
    DiacrLabel = new TAccentLabel(Panel1);
    DiacrLabel->setAlignment(Qt::AlignCenter);
    QFont accentFont = DiacrLabel->font();
    accentFont.setPixelSize(32);
    DiacrLabel->setFont(accentFont);
    accentBox->addWidget(DiacrLabel);
    row->addWidget(Panel1);

    EditButton = new QPushButton(TText("MainForm", "Úpravy"), panel);
    EditButton->setToolTip(AppStrings::EditButtonHint);
    EditButton->setFocusPolicy(Qt::NoFocus);
    connect(EditButton, &QPushButton::clicked, this, &TForm1::EditButtonClick);
    row->addWidget(EditButton);

    BitBtn1 = new QToolButton(panel);
    // Drawn, at the size it is shown: the style's own picture is a file whose format is found
    // by asking every image plug-in, which maps them all.
    BitBtn1->setIcon(StopIcon(BitBtn1->iconSize(), devicePixelRatioF()));
    BitBtn1->setToolTip(AppStrings::StopSpeechHint);
    BitBtn1->setAccessibleName(AppStrings::StopSpeechHint);
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    connect(BitBtn1, &QToolButton::clicked, this, [this] { FSpeech->StopSpeech(); });
    row->addWidget(BitBtn1);

    Button1 = new QPushButton(AppStrings::XmlButton, panel);
    Button1->setVisible(false);
    connect(Button1, &QPushButton::clicked, this,
            [this] { FSpeech->SpeakText(VoiceStrings::XmlDemo); });
    row->addWidget(Button1);
    row->addStretch(1);
    return panel;
}

void TForm1::BuildStatusBar() {
    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    const int widths[3] = {300, 100, 150};
    const QString texts[3] = {QString(), AppStrings::SelectedDesign, AppStrings::F8Hint};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(texts[i], StatusBar);
        StatusPanels[i]->setFixedWidth(widths[i]);
        StatusPanels[i]->setFrameShape(QFrame::Panel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        StatusBar->addWidget(StatusPanels[i]);
    }
    StatusPanels[0]->setAlignment(Qt::AlignCenter);
    setStatusBar(StatusBar);
    StatusBar->setVisible(false);
}

void TForm1::BuildMenu() {
    Menu.Build(menuBar());
    const auto wire = [this](QAction *action, void (TForm1::*handler)()) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    wire(Menu.New1, &TForm1::New1Click);
    wire(Menu.Open1, &TForm1::Open1Click);
    wire(Menu.Save1, &TForm1::Save1Click);
    wire(Menu.Tabulky1, &TForm1::Tabulky1Click);
    wire(Menu.Zvuky1, &TForm1::Zvuky1Click);
    wire(Menu.Obrzky1, &TForm1::Obrzky1Click);
    wire(Menu.Tiskrna1, &TForm1::Tiskrna1Click);
    wire(Menu.Tisk1, &TForm1::Tisk1Click);
    wire(Menu.Konec1, &TForm1::Terminate);
    wire(Menu.Edit1, &TForm1::Edit1Click);
    wire(Menu.New2, &TForm1::New2Click);
    wire(Menu.Delete1, &TForm1::Delete1Click);
    wire(Menu.LoadKey1, &TForm1::LoadKey1Click);
    wire(Menu.SaveKey1, &TForm1::SaveKey1Click);
    wire(Menu.ScanItem, &TForm1::ScanItemClick);
    wire(Menu.OutsideItem, &TForm1::OutsideItemClick);
    wire(Menu.GridItem, &TForm1::GridItemClick);
    wire(Menu.VoiceItem, &TForm1::VoiceItemClick);
    wire(Menu.TextItem, &TForm1::TextItemClick);
    wire(Menu.SlotsItem, &TForm1::SlotsItemClick);
    wire(Menu.SlotSettingsItem, &TForm1::SlotSettingsItemClick);
    wire(Menu.ForgetItem, &TForm1::ForgetItemClick);
    wire(Menu.Nvod1, &TForm1::Nvod1Click);
    wire(Menu.Prvodce1, &TForm1::Prvodce1Click);
    wire(Menu.Oaplikaci1, &TForm1::Oaplikaci1Click);
    // A check mark only: every switch release clicks while it is set.
    Menu.EchoItem->setEnabled(true);
    Menu.ReadGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    Menu.AutomaticRead->menuAction()->setCheckable(true);
    wire(Menu.NoItem, &TForm1::NoItemClick);
    wire(Menu.AllItem, &TForm1::AllItemClick);
    wire(Menu.SentItem, &TForm1::SentItemClick);
    wire(Menu.RowsItem, &TForm1::RowsItemClick);
    connect(Menu.Special1, &QMenu::aboutToShow, this, &TForm1::Special1Click);
}

void TForm1::Timer1Timer() {
    StatusPanels[1]->setText(AppStrings::SelectedPrefix + QString::number(SelectedCount()));
}

void TForm1::SetTableName(const QString &name) {
    if (!FTableName.isEmpty())
        FLastTableName = FTableName;
    FTableName = name;
    // A table being edited has no name; its slots stay those of the table it came from.
    if (!name.isEmpty()) {
        FSlotTable = name;
        ApplySlotSettings();
    }
}

void TForm1::Terminate() {
    close();
}

void TForm1::EndFromOutside() {
    FEndedFromOutside = true;
    close();
}

void TForm1::closeEvent(QCloseEvent *event) {
    // An unnamed table is offered for saving before the window goes; a save that failed or was
    // cancelled keeps the window, and the table, open.
    if (!AskSaveTable()) {
        FEndedFromOutside = false;
        event->ignore();
        return;
    }
    event->accept();
}

void TForm1::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QMainWindow::changeEvent(event);
}

void TForm1::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}
