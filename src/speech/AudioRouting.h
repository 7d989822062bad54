#pragma once

#include <QList>
#include <QString>

// The outputs sound can go to, and which of them the user's voice (with the keys' sounds: the
// message is for the partner) and the scan's prompts (for the user's own ear) play on.
class TAudioRouting {
public:
    struct TDevice {
        QString Id; // stable across restarts and replugging
        QString Name;
    };

    virtual ~TAudioRouting() = default;
    // The outputs there are now, the system's default not among them; never waits long.
    virtual QList<TDevice> Devices() = 0;
    // Empty ids stand for the system's default.
    virtual void Route(const QString &speech, const QString &prompts) = 0;
};
