#include "PulseRouting.h"

#include "AudioOutput.h"
#include "PulseDevice.h"

TPulseRouting::TPulseRouting(std::shared_ptr<TAudioOutput> speech,
                             std::shared_ptr<TAudioOutput> prompts,
                             std::shared_ptr<TAudioOutput> sounds)
    : FSpeech(std::move(speech))
    , FPrompts(std::move(prompts))
    , FSounds(std::move(sounds)) {}

QList<TAudioRouting::TDevice> TPulseRouting::Devices() {
    QList<TDevice> devices;
    for (const TPulseDevice::TOutput &output : TPulseDevice::Outputs(ListWaitMs))
        devices.append({output.Id, output.Description.isEmpty() ? output.Id : output.Description});
    return devices;
}

void TPulseRouting::Route(const QString &speech, const QString &prompts) {
    FSpeech->SetDevice(speech);
    FSounds->SetDevice(speech);
    FPrompts->SetDevice(prompts);
}
