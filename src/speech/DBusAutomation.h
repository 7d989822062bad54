#pragma once

#include "AutomationObject.h"

#include <memory>

class QDBusInterface;

// An automation server on the session bus: the server's name is its well-known bus name, its
// object is "/", and methods are called by name without an interface. Without a session bus or
// without the server, Create fails at once.
class TDBusAutomation final : public TAutomationObject {
public:
    TDBusAutomation();
    ~TDBusAutomation() override;

    bool Create(const QString &name) override;
    std::optional<QVariant> Invoke(const QString &method, const QVariantList &args) override;
    void Release() override;

private:
    std::unique_ptr<QDBusInterface> FObject;
};
