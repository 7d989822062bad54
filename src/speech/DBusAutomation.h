#pragma once

#include "AutomationObject.h"

#include <QString>

class QDBusMessage;

// An automation server on the session bus: the server's name is its well-known bus name, its
// object is "/", and methods are called by name without an interface. Without a session bus or
// without the server, Create fails at once. No call waits for the server longer than a frame:
// one that has stopped answering is taken as gone rather than freeze the window.
class TDBusAutomation final : public TAutomationObject {
public:
    TDBusAutomation();
    ~TDBusAutomation() override;

    bool Create(const QString &name) override;
    std::optional<QVariant> Invoke(const QString &method, const QVariantList &args) override;
    void Send(const QString &method, const QVariantList &args) override;
    void Release() override;

    // The longest a call may keep the window waiting.
    static constexpr int CallTimeoutMs = 50;

private:
    QDBusMessage Call(const QString &method, const QVariantList &args) const;

    QString FName; // empty: no server
};
