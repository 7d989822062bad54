#pragma once

#include <QString>
#include <stdexcept>

// The program's own error: carries the message the user is shown.
class TError : public std::runtime_error {
public:
    explicit TError(const QString &message)
        : std::runtime_error(message.toStdString())
        , FMessage(message) {}
    const QString &Message() const { return FMessage; }

private:
    QString FMessage;
};
