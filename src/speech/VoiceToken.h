#pragma once

#include <QMap>
#include <QString>
#include <optional>

// One installed system voice as the voice list hands it out: an Id and named attributes
// ("Name", "Vendor", "Gender", "Age", "Language"); a voice may lack any attribute.
struct TVoiceToken {
    QString Id;
    QMap<QString, QString> Attributes;

    std::optional<QString> GetAttribute(const QString &name) const {
        const auto it = Attributes.constFind(name);
        if (it == Attributes.constEnd())
            return std::nullopt;
        return *it;
    }
    bool operator==(const TVoiceToken &) const = default;
};
