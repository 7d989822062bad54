#include "KeyStatus.h"

#include "Names.h"

#include <array>

namespace {

struct TStatusName {
    TVxKeyOption Option;
    const char *Name;
};

constexpr std::array<TStatusName, 3> Names = {{
    {vxoEdit, "vxoEdit"},
    {vxo3Deffect, "vxo3Deffect"},
    {vxoSendClick, "vxoSendClick"},
}};

} // namespace

QList<QByteArray> StatusNames(TVxKeyStatus status) {
    QList<QByteArray> names;
    for (const TStatusName &entry : Names) {
        if (status.testFlag(entry.Option))
            names.append(QByteArray(entry.Name));
    }
    return names;
}

std::optional<TVxKeyStatus> StatusFromNames(const QList<QByteArray> &names) {
    TVxKeyStatus status;
    for (const QByteArray &name : names) {
        bool known = false;
        for (const TStatusName &entry : Names) {
            if (SameName(name, entry.Name)) {
                status |= entry.Option;
                known = true;
                break;
            }
        }
        if (!known)
            return std::nullopt;
    }
    return status;
}
