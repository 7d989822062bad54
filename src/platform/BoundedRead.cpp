#include "BoundedRead.h"

#include <QIODevice>

#include <algorithm>

QByteArray ReadAtMost(QIODevice &device, qint64 limit) {
    constexpr qint64 Chunk = 64 * 1024;
    QByteArray bytes;
    // A file tells its size; what it says is only a hint here, the reads decide.
    if (!device.isSequential())
        bytes.reserve(qsizetype(std::clamp<qint64>(device.size() - device.pos(), 0, limit) + 1));
    while (bytes.size() <= limit) {
        const qint64 want = std::min(Chunk, limit + 1 - bytes.size());
        const qsizetype before = bytes.size();
        bytes.resize(before + want);
        const qint64 got = device.read(bytes.data() + before, want);
        bytes.resize(before + std::max<qint64>(got, 0));
        if (got <= 0)
            break;
    }
    return bytes;
}
