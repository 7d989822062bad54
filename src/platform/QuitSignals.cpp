#include "QuitSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> Signals = {SIGTERM, SIGHUP, SIGINT};

// The handler may only write to a descriptor: the event loop reads the other end.
int WriteEnd = -1;
int ReadEnd = -1;
std::array<struct sigaction, Signals.size()> Previous{};

void OnSignal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t n = ::write(WriteEnd, &byte, 1);
    errno = saved;
}

} // namespace

TQuitSignals::TQuitSignals(QObject *parent)
    : QObject(parent) {
    if (WriteEnd >= 0)
        return; // another instance holds the handlers
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return;
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
    ReadEnd = fds[0];
    WriteEnd = fds[1];
    for (std::size_t i = 0; i < Signals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(Signals[i], &action, &Previous[i]);
    }
    FNotifier = new QSocketNotifier(ReadEnd, QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &TQuitSignals::Drain);
}

TQuitSignals::~TQuitSignals() {
    if (!FNotifier)
        return;
    for (std::size_t i = 0; i < Signals.size(); ++i)
        ::sigaction(Signals[i], &Previous[i], nullptr);
    delete FNotifier;
    ::close(ReadEnd);
    ::close(WriteEnd);
    ReadEnd = WriteEnd = -1;
}

void TQuitSignals::Drain() {
    unsigned char byte = 0;
    while (::read(ReadEnd, &byte, 1) == 1)
        emit Requested(int(byte));
}
