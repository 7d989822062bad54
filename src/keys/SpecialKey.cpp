#include "SpecialKey.h"

#include "Names.h"

#include <QByteArray>

std::optional<TSpecialKey> SpecialKeyFromIdent(QByteArrayView ident) {
    for (int i = 0; i < SpecialKeyCount; ++i) {
        if (SameName(ident, SpecialKeyIdents[std::size_t(i)]))
            return TSpecialKey(i);
    }
    return std::nullopt;
}
