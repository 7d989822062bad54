#pragma once

#include <QPushButton>

// The button beside a switch field that learns the switch by its press: clicked, it waits for
// the next key press anywhere in the program and reports that key's virtual-key code. Escape,
// a second click or leaving the button stops waiting without a code. Keys without a code are
// ignored while it waits; F8, the edit-mode key, stops waiting with a message.
class TSwitchCapture : public QPushButton {
    Q_OBJECT

public:
    TSwitchCapture(int switchNumber, QWidget *parent = nullptr);
    ~TSwitchCapture() override;

    bool Capturing() const { return FCapturing; }
    void StartCapture();
    void CancelCapture();

signals:
    void Captured(int code);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void StopCapture();

    bool FCapturing = false;
    int FSwitchNumber = 1;
};
