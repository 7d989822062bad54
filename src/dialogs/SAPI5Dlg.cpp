#include "SAPI5Dlg.h"

#include "SpeechVoice.h"
#include "Voice.h"
#include "VoiceChoice.h"
#include "VoiceDialogStrings.h"
#include "VoicePictures.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QColor kNavy(0, 0, 0x80);

QLabel *Caption(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *Value(const QString &designText, const char *name, QWidget *parent) {
    auto *label = new QLabel(designText, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return label;
}

QSlider *TrackBar(int minimum, int maximum, const char *name, QWidget *parent) {
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(minimum, maximum);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setPageStep(maximum - minimum >= 50 ? 10 : 2);
    return slider;
}

} // namespace

TDlgSAPI5::TDlgSAPI5(TVoice &voice, QWidget *parent)
    : QDialog(parent)
    , FVoice(voice) {
    setObjectName(QStringLiteral("DlgSAPI5"));
    setWindowTitle(VoiceDialogStrings::Sapi5Caption);
    BuildControls();
    setFixedSize(sizeHint().expandedTo(QSize(425, 390)));
}

void TDlgSAPI5::BuildControls() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabVolba = BuildVoicePage();
    TabSetting = BuildSettingsPage();
    PageControl1->addTab(TabVolba, VoiceDialogStrings::TabVolba);
    PageControl1->addTab(TabSetting, VoiceDialogStrings::TabSetting);
    PageControl1->setTabVisible(1, false);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (PageControl1->widget(index) == TabSetting)
            TabSettingShow();
    });

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel = new QLabel(VoiceDialogStrings::ModeId, StatusBar1);
    StatusPanel->setMinimumWidth(50);
    StatusBar1->addWidget(StatusPanel, 1);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              VoiceDialogStrings::Close, this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 0);
    column->addWidget(PageControl1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    column->addLayout(buttons);
    column->addWidget(StatusBar1);

    ChangeTimer = new QTimer(this);
    ChangeTimer->setSingleShot(true);
    ChangeTimer->setInterval(50);
    connect(ChangeTimer, &QTimer::timeout, this, &TDlgSAPI5::TreeTTSChange);

    setTabOrder(PageControl1, TreeTTS);
    setTabOrder(TreeTTS, BtnVyber);
    setTabOrder(BtnVyber, TextBox);
    setTabOrder(TextBox, BtnSpeak);
    setTabOrder(BtnSpeak, BtnReset);
    setTabOrder(BtnReset, tbRate);
    setTabOrder(tbRate, tbVolume);
    setTabOrder(tbVolume, BitBtn1);
}

QWidget *TDlgSAPI5::BuildVoicePage() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabVolba"));

    TreeTTS = new QTreeWidget(page);
    TreeTTS->setObjectName(QStringLiteral("TreeTTS"));
    TreeTTS->setAccessibleName(VoiceDialogStrings::VoiceTreeName);
    TreeTTS->setHeaderHidden(true);
    TreeTTS->setColumnCount(1);
    TreeTTS->setIndentation(19);
    TreeTTS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeTTS->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeTTS->setFixedHeight(129);
    connect(TreeTTS, &QTreeWidget::currentItemChanged, this, &TDlgSAPI5::TreeTTSChanging);

    lbManufact = Value(QStringLiteral("manufact"), "lbManufact", page);
    lbLanguage = Value(QStringLiteral(" lang"), "lbLanguage", page);
    lbCharacter = Value(QStringLiteral("osoba"), "lbCharacter", page);
    lbSex = Value(QStringLiteral("sex"), "lbSex", page);
    lbAge = Value(QStringLiteral("age"), "lbAge", page);
    auto *details = new QFormLayout;
    details->setLabelAlignment(Qt::AlignRight);
    const QList<QPair<QString, QLabel *>> rows = {{VoiceDialogStrings::Vendor, lbManufact},
                                                  {VoiceDialogStrings::Language, lbLanguage},
                                                  {VoiceDialogStrings::Character, lbCharacter},
                                                  {VoiceDialogStrings::Gender, lbSex},
                                                  {VoiceDialogStrings::Age, lbAge}};
    for (const auto &[caption, value] : rows) {
        QLabel *label = Caption(caption, page);
        label->setBuddy(value);
        value->setAccessibleName(caption.chopped(1));
        details->addRow(label, value);
    }

    BtnVyber = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                               VoiceDialogStrings::Select, page);
    BtnVyber->setObjectName(QStringLiteral("BtnVyber"));
    BtnVyber->setDefault(true);
    connect(BtnVyber, &QPushButton::clicked, this, &TDlgSAPI5::BtnVyberClick);

    stVyber = new QLabel(page);
    stVyber->setObjectName(QStringLiteral("stVyber"));
    stVyber->setAccessibleName(VoiceDialogStrings::CurrentVoiceName);
    stVyber->setFixedSize(321, 25);
    stVyber->setFrameShape(QFrame::StyledPanel);
    stVyber->setFrameShadow(QFrame::Sunken);
    stVyber->setAutoFillBackground(true);
    stVyber->setBackgroundRole(QPalette::Base);
    stVyber->setIndent(4);

    auto *column = new QVBoxLayout(page);
    column->addWidget(TreeTTS);
    column->addLayout(details);
    column->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addWidget(stVyber);
    row->addStretch(1);
    row->addWidget(BtnVyber);
    column->addLayout(row);
    return page;
}

QWidget *TDlgSAPI5::BuildSettingsPage() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSetting"));

    TextBox = new QPlainTextEdit(VoiceDialogStrings::CzechSample, page);
    TextBox->setObjectName(QStringLiteral("TextBox"));
    TextBox->setAccessibleName(VoiceDialogStrings::TestTextName);
    TextBox->setTabChangesFocus(true);

    BtnSpeak = new QToolButton(page);
    BtnSpeak->setObjectName(QStringLiteral("BtnSpeak"));
    BtnSpeak->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    BtnSpeak->setToolTip(VoiceDialogStrings::SpeakName);
    BtnSpeak->setAccessibleName(VoiceDialogStrings::SpeakName);
    BtnSpeak->setFocusPolicy(Qt::StrongFocus);
    connect(BtnSpeak, &QToolButton::clicked, this, &TDlgSAPI5::BtnSpeakClick);
    BtnReset = new QToolButton(page);
    BtnReset->setObjectName(QStringLiteral("BtnReset"));
    BtnReset->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    BtnReset->setToolTip(VoiceDialogStrings::StopName);
    BtnReset->setAccessibleName(VoiceDialogStrings::StopName);
    BtnReset->setFocusPolicy(Qt::StrongFocus);
    connect(BtnReset, &QToolButton::clicked, this, &TDlgSAPI5::BtnResetClick);

    tbRate = TrackBar(-10, 10, "tbRate", page);
    tbRate->setAccessibleName(QString(VoiceDialogStrings::Rate).remove(QLatin1Char('&')));
    lblRate = Value(QStringLiteral("0"), "lblRate", page);
    connect(tbRate, &QSlider::valueChanged, this, &TDlgSAPI5::tbRateChange);
    tbVolume = TrackBar(0, 100, "tbVolume", page);
    tbVolume->setAccessibleName(QString(VoiceDialogStrings::Volume).remove(QLatin1Char('&')));
    lblVolume = Value(QStringLiteral("100"), "lblVolume", page);
    connect(tbVolume, &QSlider::valueChanged, this, &TDlgSAPI5::tbVolumeChange);
    for (QLabel *value : {lblRate, lblVolume}) {
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-100")));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    auto *column = new QVBoxLayout(page);
    auto *textRow = new QHBoxLayout;
    textRow->addWidget(TextBox, 1);
    auto *speakColumn = new QVBoxLayout;
    speakColumn->addWidget(BtnSpeak);
    speakColumn->addWidget(BtnReset);
    speakColumn->addStretch(1);
    textRow->addLayout(speakColumn);
    column->addLayout(textRow, 1);
    auto *sliders = new QFormLayout;
    const QList<QPair<QString, QPair<QSlider *, QLabel *>>> rows = {
        {VoiceDialogStrings::Rate, {tbRate, lblRate}},
        {VoiceDialogStrings::Volume, {tbVolume, lblVolume}}};
    for (const auto &[caption, controls] : rows) {
        QLabel *label = Caption(caption, page);
        label->setBuddy(controls.first);
        auto *row = new QHBoxLayout;
        row->addWidget(controls.first, 1);
        row->addWidget(controls.second);
        sliders->addRow(label, row);
    }
    column->addLayout(sliders);
    return page;
}

bool TDlgSAPI5::SettingsTabVisible() const {
    return PageControl1->isTabVisible(PageControl1->indexOf(TabSetting));
}

void TDlgSAPI5::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
        // The arrow keys move through the voices at once.
        if (PageControl1->currentWidget() == TabVolba)
            TreeTTS->setFocus();
    }
}

void TDlgSAPI5::FormCreate() {
    if (FTreeBuilt)
        return;
    FTreeBuilt = true;
    FillVoiceTree();
    // The first vendor's first voice: a vendor itself is never highlighted.
    if (TreeTTS->topLevelItemCount() > 0 && TreeTTS->topLevelItem(0)->childCount() > 0) {
        FRedirecting = true;
        TreeTTS->setCurrentItem(TreeTTS->topLevelItem(0)->child(0));
        FRedirecting = false;
        TreeTTSChange();
    }
}

void TDlgSAPI5::FillVoiceTree() {
    const QSignalBlocker blocker(TreeTTS);
    TreeTTS->clear();
    FVoiceIds.clear();
    const QList<TVoiceToken> &tokens = FVoice.VoiceTokens();
    QList<TVoiceInfo> infos;
    infos.reserve(tokens.size());
    for (const TVoiceToken &token : tokens)
        infos.append(ReadVoiceInfo(token));
    FVoiceIds.resize(infos.size());

    QIcon pictures[4];
    for (int i = 0; i < 4; ++i)
        pictures[i] = QIcon(QPixmap::fromImage(VoicePictureImage(TVoicePicture(i))));
    for (const TVendorGroup &group : GroupByVendor(infos)) {
        auto *vendor = new QTreeWidgetItem(TreeTTS, {group.Vendor});
        vendor->setIcon(0, pictures[vpVendor]);
        for (const int i : group.Voices) {
            const TVoiceInfo &info = infos.at(i);
            auto *node = new QTreeWidgetItem(vendor, {info.Name});
            node->setIcon(0, pictures[PictureOfVoice(info.GenderCode)]);
            node->setToolTip(0, VoiceLanguageName(info));
            FVoiceIds[i] = {info.Id, node};
        }
    }
    TreeTTS->expandAll();
}

void TDlgSAPI5::FormShow() {
    // The desktop's speech service came or went since the tree was built.
    if (FVoice.RefreshVoiceTokens())
        FTreeBuilt = false;
    FormCreate();
    ShowCurrentVoice();
}

void TDlgSAPI5::TreeTTSChanging(QTreeWidgetItem *current, QTreeWidgetItem *previous) {
    if (FRedirecting || !current)
        return;
    if (current->childCount() == 0) {
        ChangeTimer->start();
        return;
    }
    QTreeWidgetItem *target = current->child(0);
    // Stepping up from a vendor's first voice goes on to the voice above the vendor, so the
    // arrow keys reach every voice.
    if (previous == target) {
        QTreeWidgetItem *above = TreeTTS->itemAbove(current);
        target = above ? above : previous;
    }
    // The view is still busy with the move that reached the vendor (it selects the row after
    // making it current), so the selection passes on once that move is done.
    QTimer::singleShot(0, this, [this, current, target] {
        if (TreeTTS->currentItem() != current)
            return;
        FRedirecting = true;
        TreeTTS->setCurrentItem(target);
        FRedirecting = false;
        ChangeTimer->start();
    });
}

void TDlgSAPI5::TreeTTSChange() {
    HighlightVoice(PositionOfNode(TreeTTS->currentItem()));
    ShowVoiceDetails();
    UpdateSelectionState();
}

int TDlgSAPI5::PositionOfNode(const QTreeWidgetItem *node) const {
    for (int i = 0; i < FVoiceIds.size(); ++i)
        if (node && FVoiceIds.at(i).second == node)
            return i;
    return -1;
}

int TDlgSAPI5::PositionOfId(const QString &id) const {
    for (int i = 0; i < FVoiceIds.size(); ++i)
        if (FVoiceIds.at(i).first == id)
            return i;
    return -1;
}

void TDlgSAPI5::HighlightVoice(int position) {
    if (position < 0 || position >= FVoiceIds.size())
        return;
    const int index = FVoice.FindVoiceIndex(FVoiceIds.at(position).first);
    if (index < 0)
        return;
    QTreeWidgetItem *node = FVoiceIds.at(position).second;
    if (TreeTTS->currentItem() != node) {
        FRedirecting = true;
        TreeTTS->setCurrentItem(node);
        FRedirecting = false;
    }
    FVoiceIndex = index;
}

void TDlgSAPI5::ShowVoiceDetails() {
    const QList<TVoiceToken> &tokens = FVoice.VoiceTokens();
    if (FVoiceIndex < 0 || FVoiceIndex >= tokens.size())
        return;
    const TVoiceInfo info = ReadVoiceInfo(tokens.at(FVoiceIndex));
    lbManufact->setText(info.Vendor);
    lbCharacter->setText(info.Name);
    lbLanguage->setText(VoiceLanguageName(info));
    lbSex->setText(info.Gender);
    lbAge->setText(info.Age);
    StatusPanel->setText(VoiceDialogStrings::ModeId + info.Id);
}

bool TDlgSAPI5::IsCurrentVoice() {
    const QList<TVoiceToken> &tokens = FVoice.VoiceTokens();
    TSpeechVoice *engine = FVoice.SapiVoice();
    if (!engine || FVoiceIndex < 0 || FVoiceIndex >= tokens.size())
        return false;
    const TVoiceInfo highlighted = ReadVoiceInfo(tokens.at(FVoiceIndex));
    const TVoiceInfo current = ReadVoiceInfo(engine->Voice());
    return highlighted.Id == current.Id && highlighted.Name == current.Name;
}

void TDlgSAPI5::UpdateSelectionState() {
    const bool current = IsCurrentVoice();
    if (current && FVoice.SapiVoice())
        stVyber->setText(VoiceDescription(ReadVoiceInfo(FVoice.SapiVoice()->Voice())));
    else
        stVyber->clear();
    BtnVyber->setEnabled(!current);
    const bool wasVisible = SettingsTabVisible();
    PageControl1->setTabVisible(PageControl1->indexOf(TabSetting), current);
    if (current && !wasVisible)
        TabSettingShow();
}

void TDlgSAPI5::SelectVoice() {
    TSpeechVoice *engine = FVoice.SapiVoice();
    if (!engine)
        return;
    if (!IsCurrentVoice())
        engine->SetVoice(FVoice.VoiceTokens().at(FVoiceIndex));
    FCurrentInfo = ReadVoiceInfo(engine->Voice());
}

void TDlgSAPI5::BtnVyberClick() {
    if (FVoiceIndex < 0)
        return;
    SelectVoice();
    TextBox->setPlainText(SampleSentence(FCurrentInfo.LanguageId));
    ShowCurrentVoice();
}

void TDlgSAPI5::ShowCurrentVoice() {
    if (TSpeechVoice *engine = FVoice.SapiVoice())
        FCurrentInfo = ReadVoiceInfo(engine->Voice());
    HighlightVoice(PositionOfId(FCurrentInfo.Id));
    ShowVoiceDetails();
    UpdateSelectionState();
}

void TDlgSAPI5::TabSettingShow() {
    TSpeechVoice *engine = FVoice.SapiVoice();
    if (!engine)
        return;
    const QSignalBlocker rateBlocker(tbRate);
    const QSignalBlocker volumeBlocker(tbVolume);
    tbRate->setValue(engine->Rate());
    lblRate->setText(QString::number(tbRate->value()));
    tbVolume->setValue(engine->Volume());
    lblVolume->setText(QString::number(tbVolume->value()));
}

void TDlgSAPI5::tbRateChange(int position) {
    lblRate->setText(QString::number(position));
    if (TSpeechVoice *engine = FVoice.SapiVoice())
        engine->SetRate(position);
}

void TDlgSAPI5::tbVolumeChange(int position) {
    lblVolume->setText(QString::number(position));
    if (TSpeechVoice *engine = FVoice.SapiVoice())
        engine->SetVolume(position);
}

void TDlgSAPI5::BtnSpeakClick() {
    FVoice.SpeakText(TextWithLineBreaks(TextBox->toPlainText()));
}

void TDlgSAPI5::BtnResetClick() {
    FVoice.StopSpeech();
    BtnSpeak->setDown(false);
}
