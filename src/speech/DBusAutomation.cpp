#include "DBusAutomation.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>

namespace {

// Whether a session bus can be reached without starting one: asking for it otherwise would
// launch a bus daemon on the display.
bool HasSessionBus() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

} // namespace

TDBusAutomation::TDBusAutomation() = default;
TDBusAutomation::~TDBusAutomation() = default;

bool TDBusAutomation::Create(const QString &name) {
    FName.clear();
    if (!HasSessionBus())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage query = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    query << name;
    const QDBusMessage owned = bus.call(query, QDBus::Block, CallTimeoutMs);
    if (owned.type() != QDBusMessage::ReplyMessage || !owned.arguments().value(0).toBool())
        return false;
    // Methods are called by name, so the server's interface is never looked up: asking for it
    // waits on the server with the bus's long default time.
    FName = name;
    return true;
}

QDBusMessage TDBusAutomation::Call(const QString &method, const QVariantList &args) const {
    QDBusMessage call =
        QDBusMessage::createMethodCall(FName, QStringLiteral("/"), QString(), method);
    call.setArguments(args);
    return call;
}

std::optional<QVariant> TDBusAutomation::Invoke(const QString &method, const QVariantList &args) {
    if (FName.isEmpty())
        return std::nullopt;
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(Call(method, args), QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return std::nullopt;
    return reply.arguments().value(0);
}

void TDBusAutomation::Send(const QString &method, const QVariantList &args) {
    if (FName.isEmpty())
        return;
    QDBusMessage call = Call(method, args);
    call.setAutoStartService(false);
    QDBusConnection::sessionBus().send(call);
}

void TDBusAutomation::Release() {
    FName.clear();
}
