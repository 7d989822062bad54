#include "SpeechOutput.h"

#include "Error.h"

void TNoSpeech::PlaySoundFile(const QString &fileName) {
    Q_UNUSED(fileName);
    throw TError(QStringLiteral("Zvukový výstup není k dispozici."));
}
