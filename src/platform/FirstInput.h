#pragma once

#include <QObject>
#include <functional>

// Tells once, on the user's first input to the program (a key, a button, a touch, the pointer
// moving or a wheel turned over one of its windows), and then stops watching. What the user is
// about to ask for can be made ready meanwhile: a pointer moves before it clicks, and a key or
// switch is pressed before it is released.
class TFirstInput final : public QObject {
public:
    explicit TFirstInput(std::function<void()> told);
    ~TFirstInput() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> FTold;
};
