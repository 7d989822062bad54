#pragma once

#include <QVariant>
#include <QVariantList>
#include <optional>

// An outside automation server whose methods are called by name with plain arguments.
class TAutomationObject {
public:
    virtual ~TAutomationObject() = default;
    // Connects to the server of that name; false when there is none.
    virtual bool Create(const QString &name) = 0;
    // Calls a method; its first result (an invalid variant when it has none), or nothing when the
    // call failed.
    virtual std::optional<QVariant> Invoke(const QString &method, const QVariantList &args) = 0;
    // Calls a method whose result nobody waits for.
    virtual void Send(const QString &method, const QVariantList &args) { Invoke(method, args); }
    // Lets go of the server.
    virtual void Release() = 0;
};
