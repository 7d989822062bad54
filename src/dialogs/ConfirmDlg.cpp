#include "ConfirmDlg.h"

#include "DialogStrings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kNavy(0, 0, 0x80);
const QColor kRed(0xFF, 0, 0);

void SetPaletteColor(QWidget *widget, QPalette::ColorRole role, const QColor &color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QPushButton *AnswerButton(const QString &caption, const QString &name, QStyle::StandardPixmap icon,
                          QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setAccessibleName(name);
    button->setIcon(parent->style()->standardIcon(icon));
    QFont font = button->font();
    font.setPixelSize(13);
    button->setFont(font);
    button->setMinimumSize(96, 30);
    // The chosen answer alone is the default button; a focused button must not take that over
    // behind the choice's back.
    button->setAutoDefault(false);
    SetPaletteColor(button, QPalette::ButtonText, kNavy);
    return button;
}

} // namespace

TConfirmDlg::TConfirmDlg(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ConfirmDlg"));
    setWindowTitle(DialogStrings::ConfirmCaption);
    setFixedSize(349, 132);
    setAutoFillBackground(true);
    SetPaletteColor(this, QPalette::Window, Qt::white);

    Label1 = new QLabel(DialogStrings::ClearQuestion, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPixelSize(16);
    Label1->setFont(labelFont);
    SetPaletteColor(Label1, QPalette::WindowText, kNavy);

    // "&Ne" is created first, so it comes first in the tab order.
    BitBtn2 =
        AnswerButton(DialogStrings::No, DialogStrings::NoName, QStyle::SP_DialogNoButton, this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1 =
        AnswerButton(DialogStrings::Yes, DialogStrings::YesName, QStyle::SP_DialogYesButton, this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(TConfirmChoice::kResultYes); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(TConfirmChoice::kResultNo); });

    auto *column = new QVBoxLayout(this);
    column->addWidget(Label1, 1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(BitBtn1);
    row->addSpacing(24);
    row->addWidget(BitBtn2);
    row->addStretch(1);
    column->addLayout(row);

    Timer1 = new QTimer(this);
    Timer1->setInterval(400);
    connect(Timer1, &QTimer::timeout, this, &TConfirmDlg::Timer1Timer);

    ShowChoice();
    ShowColors();
}

int TConfirmDlg::Ask(const QString &text) {
    if (isVisible())
        return TConfirmChoice::kResultCancel;
    Prepare(text);
    return exec();
}

void TConfirmDlg::Open(const QString &text) {
    if (isVisible())
        return;
    Prepare(text);
    setWindowModality(Qt::ApplicationModal);
    show();
}

void TConfirmDlg::Prepare(const QString &text) {
    Label1->setText(text);
    setAccessibleDescription(text);
    ShowChoice();
    ShowColors();
    Timer1->start();
}

void TConfirmDlg::SwitchPressed(int code) {
    if (isVisible())
        Apply(FChoice.SwitchPressed(code));
}

void TConfirmDlg::SwitchReleased(int code, int duration, int swTime) {
    if (isVisible())
        Apply(FChoice.SwitchReleased(code, duration, swTime));
}

void TConfirmDlg::Apply(TConfirmChoice::TAction action) {
    switch (action) {
    case TConfirmChoice::TAction::None:
        break;
    case TConfirmChoice::TAction::Moved:
        ShowChoice();
        ShowColors();
        break;
    case TConfirmChoice::TAction::Pressed:
        (FChoice.Chosen() == TConfirmChoice::TButton::Yes ? BitBtn1 : BitBtn2)->click();
        break;
    }
}

void TConfirmDlg::Timer1Timer() {
    FChoice.Blink();
    ShowColors();
}

void TConfirmDlg::done(int result) {
    // Stop and reset before the dialog reports its result, so that a caller reacting to
    // finished() may ask the next question at once.
    Timer1->stop();
    FChoice.Reset();
    ShowChoice();
    ShowColors();
    QDialog::done(result);
}

void TConfirmDlg::reject() {
    done(TConfirmChoice::kResultCancel);
}

void TConfirmDlg::keyPressEvent(QKeyEvent *event) {
    // Esc presses "&Ne", the cancel button; QDialog would only reject.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn2->click();
        event->accept();
        return;
    }
    // Enter presses the focused answer, which normally is the chosen one.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        QWidget *focused = focusWidget();
        if (focused == BitBtn1 || focused == BitBtn2)
            static_cast<QPushButton *>(focused)->click();
        else
            (FChoice.Chosen() == TConfirmChoice::TButton::Yes ? BitBtn1 : BitBtn2)->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TConfirmDlg::ShowChoice() {
    QPushButton *chosen = FChoice.Chosen() == TConfirmChoice::TButton::Yes ? BitBtn1 : BitBtn2;
    QPushButton *other = chosen == BitBtn1 ? BitBtn2 : BitBtn1;
    other->setDefault(false);
    chosen->setDefault(true);
    chosen->setFocus(Qt::OtherFocusReason);
}

void TConfirmDlg::ShowColors() {
    const auto colorOf = [this](TConfirmChoice::TButton button) {
        return FChoice.FontColor(button) == TConfirmChoice::TFontColor::Red ? kRed : kNavy;
    };
    SetPaletteColor(BitBtn1, QPalette::ButtonText, colorOf(TConfirmChoice::TButton::Yes));
    SetPaletteColor(BitBtn2, QPalette::ButtonText, colorOf(TConfirmChoice::TButton::No));
}
