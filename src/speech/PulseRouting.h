#pragma once

#include "AudioRouting.h"

#include <memory>

class TAudioOutput;

// The sound server's outputs for the program's three audio outputs.
class TPulseRouting final : public TAudioRouting {
public:
    TPulseRouting(std::shared_ptr<TAudioOutput> speech, std::shared_ptr<TAudioOutput> prompts,
                  std::shared_ptr<TAudioOutput> sounds);

    QList<TDevice> Devices() override;
    void Route(const QString &speech, const QString &prompts) override;

    // How long a look at the server's outputs may keep the window.
    static constexpr int ListWaitMs = 50;

private:
    std::shared_ptr<TAudioOutput> FSpeech;
    std::shared_ptr<TAudioOutput> FPrompts;
    std::shared_ptr<TAudioOutput> FSounds;
};
