#pragma once

#include "KeyLayout.h"

#include <QByteArray>
#include <QTest>

// Readable failure output for layout rectangles.
inline char *toString(const TKeyRect &r) {
    return QTest::toString(
        QByteArray("(" + QByteArray::number(r.Left) + ", " + QByteArray::number(r.Top) + ", " +
                   QByteArray::number(r.Right) + ", " + QByteArray::number(r.Bottom) + ")"));
}

inline char *toString(const TKeyLayout &l) {
    char *s = toString(l.SymbolRect);
    char *t = toString(l.TextBounds);
    char *u = toString(l.TextShBounds);
    char *all = QTest::toString(QByteArray("symbol ") + s + " text " + t + " textSh " + u);
    delete[] s;
    delete[] t;
    delete[] u;
    return all;
}
