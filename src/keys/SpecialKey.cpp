#include "SpecialKey.h"

#include <QByteArray>

std::optional<TSpecialKey> SpecialKeyFromIdent(QByteArrayView ident) {
    for (int i = 0; i < SpecialKeyCount; ++i) {
        if (ident.compare(QByteArrayView(SpecialKeyIdents[std::size_t(i)]), Qt::CaseInsensitive) ==
            0)
            return TSpecialKey(i);
    }
    return std::nullopt;
}
