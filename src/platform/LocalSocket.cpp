#include "LocalSocket.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of `path`, or false when it does not fit the socket address.
bool AddressOf(const QByteArray &path, sockaddr_un *address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Waits for `events` on `fd` until `deadline`; false when it passed first.
bool WaitFor(int fd, short events, const QDeadlineTimer &deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, int(deadline.remainingTime()));
        // Ready or failed: the next call tells which.
        if (r > 0)
            return true;
        if (r == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

QString LocalSocket::PathOf(const QString &name) {
    if (QDir::isAbsolutePath(name))
        return name;
    return QDir::tempPath() + QLatin1Char('/') + name;
}

bool LocalSocket::Send(const QString &name, const QByteArray &bytes, int timeoutMs) {
    sockaddr_un address;
    if (!AddressOf(QFile::encodeName(PathOf(name)), &address))
        return false;
    const int fd = NewSocket();
    if (fd < 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    bool ok = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (!ok && (errno == EINPROGRESS || errno == EAGAIN)) {
        int error = 0;
        socklen_t size = sizeof error;
        ok = WaitFor(fd, POLLOUT, deadline) &&
             ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    qsizetype sent = 0;
    while (ok && sent < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            ok = WaitFor(fd, POLLOUT, deadline);
        else
            ok = false;
    }
    ::close(fd);
    return ok;
}

bool TLocalListener::Listen(const QString &name) {
    Close();
    const QByteArray path = QFile::encodeName(LocalSocket::PathOf(name));
    sockaddr_un address;
    if (!AddressOf(path, &address))
        return false;
    const int fd = NewSocket();
    if (fd < 0)
        return false;
    // Whoever holds the program's lock owns the name: a file left there is a dead copy's.
    ::unlink(path.constData());
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0) {
        ::close(fd);
        return false;
    }
    FFd = fd;
    FPath = path;
    return true;
}

void TLocalListener::Close() {
    if (FFd < 0)
        return;
    ::close(FFd);
    ::unlink(FPath.constData());
    FFd = -1;
    FPath.clear();
}
