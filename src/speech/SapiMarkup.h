#pragma once

#include <QString>

// A text as the speech engine takes it: SSML, or plain text read as it stands.
struct TSpeechText {
    QString Text;
    bool IsSsml = false;
};

// Translates the voice markup of a text (the elements volume, rate, pitch, silence, emph, spell
// and voice) into the SSML eSpeak NG reads. Other elements keep only their content. A text
// without markup, or whose markup is not well-formed, is read as plain text, never dropped.
// `rate` (-10..10) is the voice's rate, which absolute speeds are measured against.
TSpeechText TranslateMarkup(const QString &text, int rate);

// The speed factor of a rate of -10..10: three times slower at -10, three times faster at 10.
double RateFactor(int rate);
