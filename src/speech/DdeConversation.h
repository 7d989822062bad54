#pragma once

#include <QByteArray>
#include <QString>

// A conversation with an outside command server: one command per link, sent without waiting for
// an answer.
class TDdeConversation {
public:
    virtual ~TDdeConversation() = default;
    // Opens a link to `service` on `topic`, sends `command` (bytes as they go out, terminating
    // zero included) and closes the link; false when no link came about or the command could not
    // be sent.
    virtual bool Execute(const QString &service, const QString &topic,
                         const QByteArray &command) = 0;
};
