#pragma once

// The decision state of the yes/no question: which answer is chosen, how the switches move and
// press it, and the blinking of the chosen caption. The dialog only mirrors this state, so the
// switch rules can be checked without a window.
class TConfirmChoice {
public:
    // Results of the question as the caller receives them.
    static constexpr int kResultCancel = 2; // closed without an answer
    static constexpr int kResultYes = 6;
    static constexpr int kResultNo = 7;

    enum class TButton { Yes, No };
    enum class TFontColor { Navy, Red };
    // What a switch did: nothing, moved the choice, or pressed the chosen button.
    enum class TAction { None, Moved, Pressed };

    TConfirmChoice();

    int SwitchCode1() const { return FSwitchCode1; }
    void SetSwitchCode1(int code) { FSwitchCode1 = code; }
    int SwitchCode2() const { return FSwitchCode2; }
    void SetSwitchCode2(int code) { FSwitchCode2 = code; }

    TButton Chosen() const { return FChosen; }
    TFontColor FontColor(TButton button) const;
    // The result the chosen button gives when pressed.
    int ChosenResult() const;

    // A switch code arriving while the question is shown. Switch 1 is tested first, so it wins
    // when both codes are equal.
    TAction SwitchPressed(int code);
    // A switch released after `duration` ms: held longer than `swTime`, either switch presses the
    // chosen button; otherwise as SwitchPressed. A one-switch user (both codes equal) can thus
    // still answer.
    TAction SwitchReleased(int code, int duration, int swTime);

    // One blink step of the chosen caption.
    void Blink();
    // Back to the state every question starts in: "no" chosen, "yes" navy.
    void Reset();

private:
    TButton FChosen = TButton::No;
    TFontColor FYesColor = TFontColor::Navy;
    TFontColor FNoColor = TFontColor::Navy;
    int FSwitchCode1;
    int FSwitchCode2;
};
