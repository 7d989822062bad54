#include "SpeechOutput.h"

#include "Error.h"
#include "TText.h"

void TNoSpeech::PlaySoundFile(const QString &fileName) {
    Q_UNUSED(fileName);
    throw TError(TText("SpeechOutput", "Zvukový výstup není k dispozici."));
}
