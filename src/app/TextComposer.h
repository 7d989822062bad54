#pragma once

#include <QChar>
#include <QString>

// Values of AutoReadMode: what is read aloud without asking.
namespace AutoRead {
enum : int { None = 0, All = 1, Sentences = 2, Rows = 3 };
}

// The two kinds of key that write their text: a plain text key and a key that also plays a
// sound (its text is never read aloud).
enum class TTextKeyKind { Text, Sound };

// What one text key does to the display and the speech output.
struct TKeyText {
    QString Insert; // written at the end of the display's selection; empty writes nothing
    QString Speak;  // handed to the speech output; empty reads nothing
    bool SentenceEnd = false;
    bool PlaySound = false; // a sound key plays its sound after writing (not after an accent)
};

// The keyboard's writing states (Caps Lock, the one-shot Shift, a dead accent waiting for its
// letter) and the rules that turn a key's texts into the text written and the text read aloud.
// Case changes follow the Windows-1250 letters: a letter whose other case the code page lacks
// stays as it is, and the length of a text never changes.
class TTextComposer {
public:
    bool CapsLock() const { return FCapsLock; }
    void SetCapsLock(bool on) { FCapsLock = on; }
    bool Shift() const { return FShift; }
    void SetShift(bool on) { FShift = on; }
    // The pending dead accent; a null character when there is none.
    QChar Accent() const { return FAccent; }
    void SetAccent(QChar accent) { FAccent = accent; }

    // A text key with its `text` and shifted text `textSh` is activated; the states advance.
    TKeyText KeyText(const QString &text, const QString &textSh, TTextKeyKind kind,
                     int autoReadMode);

    // A text longer than one character whose last character ends a sentence.
    static bool IsSentenceEnd(const QString &data);
    // True when the Enter key reads the current line before starting a new one.
    static bool ReadsLineOnEnter(int autoReadMode) { return autoReadMode == AutoRead::Rows; }

private:
    bool FCapsLock = false;
    bool FShift = false;
    QChar FAccent;
};
