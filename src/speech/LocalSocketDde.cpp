#include "LocalSocketDde.h"

#include <QLocalSocket>
#include <QProcess>

namespace {

// A local server accepts at once; these only bound the wait for a stuck one.
constexpr int kConnectTimeoutMs = 100;
constexpr int kWriteTimeoutMs = 500;

bool Connect(QLocalSocket &socket, const QString &name) {
    socket.connectToServer(name, QIODevice::WriteOnly);
    return socket.waitForConnected(kConnectTimeoutMs);
}

} // namespace

bool TLocalSocketDde::Execute(const QString &service, const QString &topic,
                              const QByteArray &command) {
    const QString name = FServerName.isEmpty() ? service : FServerName;
    QLocalSocket socket;
    if (!Connect(socket, name)) {
        // The service's program may not be running yet.
        if (!QProcess::startDetached(service, {}) || !Connect(socket, name))
            return false;
    }
    QByteArray message = topic.toUtf8();
    message.append('\0');
    message.append(command);
    // Sent without waiting for an answer; only the bytes must leave before the link closes.
    const bool sent = socket.write(message) == message.size() &&
                      (socket.bytesToWrite() == 0 || socket.waitForBytesWritten(kWriteTimeoutMs));
    socket.disconnectFromServer();
    return sent;
}
