#pragma once

#include "ConfirmChoice.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

// The yes/no question answered with the mouse, the keyboard or the scanning switches. Created
// once with the main window; between questions it is hidden with "&Ne" chosen.
class TConfirmDlg : public QDialog {
    Q_OBJECT

public:
    explicit TConfirmDlg(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // "&Ano"
    QPushButton *BitBtn2 = nullptr; // "&Ne", also the Esc button
    QTimer *Timer1 = nullptr;       // blinks the chosen caption

    // Switch codes of the scanning grid, set before each question.
    int SwitchCode1() const { return FChoice.SwitchCode1(); }
    void SetSwitchCode1(int code) { FChoice.SetSwitchCode1(code); }
    int SwitchCode2() const { return FChoice.SwitchCode2(); }
    void SetSwitchCode2(int code) { FChoice.SetSwitchCode2(code); }

    // Asks `text` modally: TConfirmChoice::kResultYes (6) for "&Ano", kResultNo (7) for "&Ne"
    // or Esc, kResultCancel (2) when the window was closed otherwise.
    int Ask(const QString &text);
    // Shows the question without waiting for it; the answer arrives through finished(int).
    void Open(const QString &text);

    // A switch code while the question is shown: switch 1 moves the choice, switch 2 presses
    // the chosen button. Ignored while hidden.
    void SwitchPressed(int code);
    // A switch release with its hold time: a press held longer than `swTime` presses the chosen
    // button.
    void SwitchReleased(int code, int duration, int swTime);
    // The blink step; Timer1 calls it.
    void Timer1Timer();

    const TConfirmChoice &Choice() const { return FChoice; }

public slots:
    void done(int result) override;
    // Closing the window any way other than an answer (close box, Alt+F4).
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Prepare(const QString &text);
    void Apply(TConfirmChoice::TAction action);
    // Mirrors the choice: the chosen button is the default one and has the focus.
    void ShowChoice();
    void ShowColors();

    TConfirmChoice FChoice;
};
