#include "DBusAutomation.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>

namespace {

// The bus answers whether a name is taken at once; this only guards against a hung bus.
constexpr int kLookupTimeoutMs = 50;
// A server that does not answer a call within this time is taken as gone.
constexpr int kCallTimeoutMs = 3000;

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
    FObject.reset();
    if (!HasSessionBus())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage query = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    query << name;
    const QDBusMessage owned = bus.call(query, QDBus::Block, kLookupTimeoutMs);
    if (owned.type() != QDBusMessage::ReplyMessage || !owned.arguments().value(0).toBool())
        return false;
    auto object = std::make_unique<QDBusInterface>(name, QStringLiteral("/"), QString(), bus);
    if (!object->isValid())
        return false;
    object->setTimeout(kCallTimeoutMs);
    FObject = std::move(object);
    return true;
}

std::optional<QVariant> TDBusAutomation::Invoke(const QString &method, const QVariantList &args) {
    if (!FObject)
        return std::nullopt;
    const QDBusMessage reply = FObject->callWithArgumentList(QDBus::Block, method, args);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return std::nullopt;
    return reply.arguments().value(0);
}

void TDBusAutomation::Release() {
    FObject.reset();
}
