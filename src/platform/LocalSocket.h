#pragma once

#include <QByteArray>
#include <QString>

// Local (Unix domain) stream sockets, addressed as other programs on the desktop address them:
// a name that is not an absolute path lives in the temporary folder.
namespace LocalSocket {

// The socket file a server of `name` listens on.
QString PathOf(const QString &name);

// Connects to the server of `name`, sends `bytes` and closes. False when no server listens
// there or the bytes could not all leave within `timeoutMs`; never waits longer.
bool Send(const QString &name, const QByteArray &bytes, int timeoutMs);

} // namespace LocalSocket

// A listening socket of `name`, for as long as the object lives: a socket file left behind by
// a copy that crashed is replaced, and the file is removed again at the end.
class TLocalListener {
public:
    TLocalListener() = default;
    ~TLocalListener() { Close(); }
    TLocalListener(const TLocalListener &) = delete;
    TLocalListener &operator=(const TLocalListener &) = delete;

    bool Listen(const QString &name);
    void Close();
    bool IsListening() const { return FFd >= 0; }

private:
    int FFd = -1;
    QByteArray FPath;
};
