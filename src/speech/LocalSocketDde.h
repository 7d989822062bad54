#pragma once

#include "DdeConversation.h"

// Commands to a local server named after the service. One connection carries one command: the
// topic in UTF-8 and a zero byte, then the command's bytes (their terminating zero included).
// When no server listens, the service's program is started and the connection tried once more.
class TLocalSocketDde final : public TDdeConversation {
public:
    // `serverName` overrides where the service listens (tests); empty: the service's own name.
    explicit TLocalSocketDde(QString serverName = {})
        : FServerName(std::move(serverName)) {}

    bool Execute(const QString &service, const QString &topic, const QByteArray &command) override;

private:
    QString FServerName;
};
