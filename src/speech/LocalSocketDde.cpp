#include "LocalSocketDde.h"

#include "LocalSocket.h"

#include <QProcess>

namespace {

// A local server accepts at once; this only bounds the wait for a stuck one.
constexpr int kSendTimeoutMs = 500;

} // namespace

bool TLocalSocketDde::Execute(const QString &service, const QString &topic,
                              const QByteArray &command) {
    const QString name = FServerName.isEmpty() ? service : FServerName;
    QByteArray message = topic.toUtf8();
    message.append('\0');
    message.append(command);
    // Sent without waiting for an answer; only the bytes must leave before the link closes.
    if (LocalSocket::Send(name, message, kSendTimeoutMs))
        return true;
    // The service's program may not be running yet.
    return QProcess::startDetached(service, {}) && LocalSocket::Send(name, message, kSendTimeoutMs);
}
