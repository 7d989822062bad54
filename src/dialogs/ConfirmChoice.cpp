#include "ConfirmChoice.h"

#include "VirtualKeys.h"

TConfirmChoice::TConfirmChoice()
    : FSwitchCode1(VirtualKeys::VK_SPACE)
    , FSwitchCode2(VirtualKeys::VK_RETURN) {}

TConfirmChoice::TFontColor TConfirmChoice::FontColor(TButton button) const {
    return button == TButton::Yes ? FYesColor : FNoColor;
}

int TConfirmChoice::ChosenResult() const {
    return FChosen == TButton::Yes ? kResultYes : kResultNo;
}

TConfirmChoice::TAction TConfirmChoice::SwitchPressed(int code) {
    if (code == FSwitchCode1) {
        // The button losing the choice stops blinking in navy, never left red.
        if (FChosen == TButton::Yes) {
            FYesColor = TFontColor::Navy;
            FChosen = TButton::No;
        } else {
            FNoColor = TFontColor::Navy;
            FChosen = TButton::Yes;
        }
        return TAction::Moved;
    }
    if (code == FSwitchCode2)
        return TAction::Pressed;
    return TAction::None;
}

TConfirmChoice::TAction TConfirmChoice::SwitchReleased(int code, int duration, int swTime) {
    if (duration > swTime && (code == FSwitchCode1 || code == FSwitchCode2))
        return TAction::Pressed;
    return SwitchPressed(code);
}

void TConfirmChoice::Blink() {
    TFontColor &color = FChosen == TButton::Yes ? FYesColor : FNoColor;
    color = color == TFontColor::Navy ? TFontColor::Red : TFontColor::Navy;
}

void TConfirmChoice::Reset() {
    // The "no" caption keeps its colour: it is chosen again and goes on blinking.
    FChosen = TButton::No;
    FYesColor = TFontColor::Navy;
}
