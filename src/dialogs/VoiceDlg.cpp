#include "VoiceDlg.h"

#include "AutomationObject.h"
#include "DeviceChoice.h"
#include "Prompts.h"
#include "SAPI5Dlg.h"
#include "Voice.h"
#include "VoiceChoice.h"
#include "VoiceDialogStrings.h"
#include "VoiceStrings.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPushButton *Button(const QString &caption, const char *name, QStyle::StandardPixmap icon,
                    QWidget *parent) {
    auto *button = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter always means OK, whichever button has the focus.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TDlgVoice::TDlgVoice(TVoice &voice, TDlgSAPI5 *sapi5, QWidget *parent)
    : QDialog(parent)
    , FVoice(voice)
    , FDlgSAPI5(sapi5) {
    setObjectName(QStringLiteral("DlgVoice"));
    setWindowTitle(VoiceDialogStrings::VoiceCaption);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Raised);

    TTSSelectCb = new QComboBox(Panel1);
    TTSSelectCb->setObjectName(QStringLiteral("TTSSelectCb"));
    TTSSelectCb->addItems({VoiceDialogStrings::OutputNone, VoiceDialogStrings::OutputSapi5,
                           VoiceDialogStrings::OutputCSVoice});
    TTSSelectCb->setAccessibleName(VoiceDialogStrings::OutputName);
    // Only the user's choice starts an engine; showing the engine in use does not.
    connect(TTSSelectCb, &QComboBox::activated, this, &TDlgVoice::TTSSelectCbChange);

    Label1 = new QLabel(VoiceDialogStrings::ChooseOutput, Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(TTSSelectCb);
    SetupBtn =
        Button(VoiceDialogStrings::Setup, "SetupBtn", QStyle::SP_FileDialogDetailedView, Panel1);
    connect(SetupBtn, &QPushButton::clicked, this, &TDlgVoice::SetupBtnClick);

    TestTextCb = new QComboBox(Panel1);
    TestTextCb->setObjectName(QStringLiteral("TestTextCb"));
    TestTextCb->setEditable(true);
    TestTextCb->setInsertPolicy(QComboBox::NoInsert);
    TestTextCb->addItems({VoiceDialogStrings::CzechSample, VoiceDialogStrings::EnglishSample});
    TestTextCb->setCurrentIndex(-1);
    TestTextCb->setEditText(QString());
    TestTextCb->setAccessibleName(VoiceDialogStrings::TestTextName);
    // Typing goes to the field inside, which a screen reader announces on its own.
    TestTextCb->lineEdit()->setAccessibleName(VoiceDialogStrings::TestTextName);
    // The sample sentences are long; the field need not be as wide as they are.
    TestTextCb->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    TestTextCb->setMinimumContentsLength(16);
    TestBtn = Button(VoiceDialogStrings::Test, "TestBtn", QStyle::SP_MediaPlay, Panel1);
    connect(TestBtn, &QPushButton::clicked, this, &TDlgVoice::TestBtnClick);
    BitBtn3 = Button(VoiceDialogStrings::Stop, "BitBtn3", QStyle::SP_MediaStop, Panel1);
    connect(BitBtn3, &QPushButton::clicked, this, &TDlgVoice::BitBtn3Click);

    auto *grid = new QGridLayout(Panel1);
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(TTSSelectCb, 1, 0, 1, 2);
    grid->addWidget(SetupBtn, 1, 2);
    grid->addWidget(TestTextCb, 2, 0);
    grid->addWidget(TestBtn, 2, 1);
    grid->addWidget(BitBtn3, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);

    OutputGroup = new TDeviceChoice(this);
    connect(OutputGroup, &TDeviceChoice::Chosen, this, [this] {
        emit DevicesChosen(OutputGroup->SpeechDevice(), OutputGroup->PromptDevice());
    });

    BitBtn1 = Button(VoiceDialogStrings::Ok, "BitBtn1", QStyle::SP_DialogOkButton, this);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    BitBtn2 = Button(VoiceDialogStrings::Cancel, "BitBtn2", QStyle::SP_DialogCancelButton, this);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addWidget(Panel1, 1);
    column->addWidget(OutputGroup);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    column->addLayout(buttons);

    setTabOrder(TTSSelectCb, SetupBtn);
    setTabOrder(SetupBtn, TestTextCb);
    setTabOrder(TestTextCb, TestBtn);
    setTabOrder(TestBtn, BitBtn3);
    setTabOrder(BitBtn3, OutputGroup->SpeechDeviceCombo);
    setTabOrder(OutputGroup->SpeechDeviceCombo, OutputGroup->PromptDeviceCombo);
    setTabOrder(OutputGroup->PromptDeviceCombo, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setFixedSize(sizeHint().expandedTo(QSize(410, 190)));
}

void TDlgVoice::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
        TTSSelectCb->setFocus();
    }
}

void TDlgVoice::FormShow() {
    ShowEngine();
}

void TDlgVoice::ShowEngine() {
    const TVoiceEngine engine = FVoice.ActiveEngine();
    TTSSelectCb->setCurrentIndex(OutputItemOfEngine(engine));
    SetupBtn->setEnabled(EngineHasSettings(engine));
}

void TDlgVoice::TTSSelectCbChange(int item) {
    const TVoiceKind kind = KindOfOutputItem(item);
    if (!FVoice.StartVoice(kind) && kind != vkNone) {
        if (Prompts().Question(VoiceDialogStrings::StartFailed))
            FVoice.StartVoice(vkAuto);
        else
            FVoice.StartVoice(vkNone);
    }
    ShowEngine();
}

void TDlgVoice::SetupBtnClick() {
    ConfigureEngine();
}

void TDlgVoice::ConfigureEngine() {
    switch (FVoice.ActiveEngine()) {
    case veComServer:
        if (TAutomationObject *server = FVoice.ComVoice()) {
            server->Invoke(VoiceStrings::ConfigureVoice, {0});
            server->Invoke(VoiceStrings::ResetAfterConfigure, {});
        }
        break;
    case veSapi5:
        // Modal without a nested event loop: the settings are applied as they change, so
        // nothing waits for the dialog to close.
        if (FDlgSAPI5) {
            FDlgSAPI5->setWindowModality(Qt::ApplicationModal);
            FDlgSAPI5->show();
            FDlgSAPI5->raise();
            FDlgSAPI5->activateWindow();
        }
        break;
    case veNone:
    case veDdeServer:
        break;
    }
}

void TDlgVoice::TestBtnClick() {
    FVoice.SpeakText(TestTextCb->currentText());
}

void TDlgVoice::BitBtn3Click() {
    FVoice.StopSpeech();
}

void TDlgVoice::SetDevices(const QList<QPair<QString, QString>> &devices, const QString &speech,
                           const QString &prompts) {
    OutputGroup->SetDevices(devices);
    OutputGroup->Fill(speech, prompts);
}
