#include "TableFormat.h"

#include "ComponentReader.h"
#include "Limits.h"
#include "StreamError.h"

#include <QBuffer>
#include <QIODevice>
#include <QSet>
#include <QtEndian>

namespace {

// A refusal found by the framing; the key index and the offset are filled in by the reader.
class TFramingError : public TStreamError {
public:
    TFramingError(const QString &message, TFault fault, qint64 offset)
        : TStreamError(message, fault)
        , FOffset(offset) {}
    qint64 Offset() const { return FOffset; }

private:
    qint64 FOffset;
};

qint32 ReadInt32(QIODevice *device, const char *what) {
    const qint64 at = device->pos();
    char raw[4];
    if (device->read(raw, 4) != 4)
        throw TFramingError(QStringLiteral("the file ends before the %1").arg(QLatin1String(what)),
                            TFault::Truncated, at);
    return qFromLittleEndian<qint32>(raw);
}

void WriteInt32(QIODevice *device, qint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    if (device->write(raw, 4) != 4)
        throw TStreamError(QStringLiteral("Writing failed: %1").arg(device->errorString()));
}

void WriteBytes(QIODevice *device, const QByteArray &bytes) {
    if (device->write(bytes) != bytes.size())
        throw TStreamError(QStringLiteral("Writing failed: %1").arg(device->errorString()));
}

qint32 ReadCount(QIODevice *device) {
    const qint64 at = device->pos();
    const qint32 count = ReadInt32(device, "key count");
    if (count < 0)
        throw TFramingError(QStringLiteral("the key count %1 is negative").arg(count),
                            TFault::Damaged, at);
    if (count > Limits::MaxKeys)
        throw TFramingError(
            QStringLiteral("%1 keys are more than the %2 allowed").arg(count).arg(Limits::MaxKeys),
            TFault::TooManyKeys, at);
    return count;
}

qint32 ReadGridCount(QIODevice *device, const char *what, int limit) {
    const qint64 at = device->pos();
    const qint32 count = ReadInt32(device, what);
    if (count < 1 || count > limit)
        throw TFramingError(QStringLiteral("the %1 %2 is outside 1..%3")
                                .arg(QLatin1String(what))
                                .arg(count)
                                .arg(limit),
                            TFault::GridSize, at);
    return count;
}

TFault FaultOf(const TError &e) {
    return e.Fault() == TFault::None ? TFault::Damaged : e.Fault();
}

void SetProblem(TTableReadResult &result, const TError &e, int key, qint64 offset) {
    result.Problem = TReadProblem{FaultOf(e), key, offset, e.Message()};
    result.Error = DescribeProblem(result.Problem);
}

// Reads `count` keys, each with its cell when `table` is in the scanning layout, then checks
// that nothing follows them.
void ReadKeyList(QIODevice *device, TTableReadResult &result, qint32 count, bool cells) {
    TTableFile &table = result.Table;
    QSet<qint64> taken;
    for (qint32 i = 0; i < count; ++i) {
        const qint64 entry = device->pos();
        qint64 at = entry;
        try {
            TTableKey key;
            if (cells) {
                key.Col = ReadInt32(device, "key's column");
                key.Row = ReadInt32(device, "key's row");
                if (key.Col < 0 || key.Row < 0 || key.Col >= table.nCol || key.Row >= table.nRow)
                    throw TFramingError(QStringLiteral("the cell (%1, %2) lies outside the %3 x "
                                                       "%4 grid")
                                            .arg(key.Col)
                                            .arg(key.Row)
                                            .arg(table.nCol)
                                            .arg(table.nRow),
                                        TFault::CellOutside, at);
                if (taken.contains(qint64(key.Row) * table.nCol + key.Col))
                    throw TFramingError(QStringLiteral("the cell (%1, %2) already holds a key")
                                            .arg(key.Col)
                                            .arg(key.Row),
                                        TFault::CellTaken, at);
                at = device->pos();
            }
            key.Offset = at;
            key.Entry = entry;
            key.Record = ReadRecordBytes(device);
            if (cells)
                taken.insert(qint64(key.Row) * table.nCol + key.Col);
            table.Keys.append(key);
        } catch (const TFramingError &e) {
            SetProblem(result, e, i, e.Offset());
            return;
        } catch (const TError &e) {
            SetProblem(result, e, i, entry);
            return;
        }
    }
    if (!device->atEnd()) {
        const qint64 at = device->pos();
        SetProblem(result,
                   TError(QStringLiteral("%1 bytes follow the last key").arg(device->size() - at),
                          TFault::TrailingBytes),
                   -1, at);
    }
}

// Walks a key record through, so that damage shows here.
void WalkRecord(TComponentReader &reader) {
    reader.ReadPrefix();
    QByteArray name;
    while (!reader.EndOfList()) {
        reader.ReadPropertyName(name);
        reader.SkipValue();
    }
    // A key has no children: the child list is empty.
    if (!reader.EndOfList())
        throw TStreamError(QStringLiteral("A key record holds child components."));
}

} // namespace

QByteArray ReadRecordBytes(QIODevice *device) {
    const qint64 start = device->pos();
    // A buffer's bytes are walked where they lie, and the buffer is moved past the record.
    auto *buffer = qobject_cast<QBuffer *>(device);
    if (buffer && buffer->isReadable() && !buffer->isTextModeEnabled()) {
        const QByteArray &data = buffer->data();
        TComponentReader reader(data, start);
        WalkRecord(reader);
        const qint64 end = reader.Offset();
        if (!buffer->seek(end))
            throw TStreamError(QStringLiteral("The file cannot be read again."));
        return data.mid(start, end - start);
    }
    TComponentReader reader(device);
    WalkRecord(reader);
    const qint64 end = device->pos();
    if (!device->seek(start))
        throw TStreamError(QStringLiteral("The file cannot be read again."));
    QByteArray bytes = device->read(end - start);
    if (bytes.size() != end - start)
        throw TStreamError(QStringLiteral("The file cannot be read again."));
    return bytes;
}

TTableReadResult ReadTableFile(QIODevice *device) {
    TTableReadResult result;
    TTableFile &table = result.Table;
    qint32 count = 0;
    try {
        char layout = 0;
        if (device->read(&layout, 1) != 1)
            throw TFramingError(QStringLiteral("the file is empty"), TFault::Truncated, 0);
        table.Layout = static_cast<quint8>(layout);
        count = ReadCount(device);
        if (table.Scanning()) {
            table.nCol = ReadGridCount(device, "column count", Limits::MaxGridCols);
            table.nRow = ReadGridCount(device, "row count", Limits::MaxGridRows);
        }
    } catch (const TFramingError &e) {
        SetProblem(result, e, -1, e.Offset());
        return result;
    }
    result.HeaderRead = true;
    ReadKeyList(device, result, count, table.Scanning());
    return result;
}

TTableReadResult ReadKeyFile(QIODevice *device) {
    TTableReadResult result;
    qint32 count = 0;
    try {
        count = ReadCount(device);
    } catch (const TFramingError &e) {
        SetProblem(result, e, -1, e.Offset());
        return result;
    }
    result.HeaderRead = true;
    ReadKeyList(device, result, count, false);
    return result;
}

void ReadKeys(TTableReadResult &result, const QByteArray &bytes, const TKeyReader &readKey) {
    QList<TTableKey> &keys = result.Table.Keys;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        try {
            const qint64 at = keys[i].Offset;
            if (at < 0 || at > bytes.size())
                throw TStreamError(QStringLiteral("the record lies outside the file"));
            TComponentReader reader(bytes, at);
            readKey(reader, keys[i], int(i));
        } catch (const TError &e) {
            // A key's own failure comes before any later one of the framing. Its offset is where
            // the key's entry begins (its cell, in a scanning table); the detail may say more.
            const qint64 entry = keys[i].Entry;
            keys.resize(i);
            SetProblem(result, e, int(i), entry);
            return;
        }
    }
}

QString DescribeProblem(const TReadProblem &problem) {
    QString where;
    if (problem.Key >= 0)
        where = QStringLiteral("key %1").arg(problem.Key + 1);
    if (problem.Offset >= 0)
        where += (where.isEmpty() ? QStringLiteral("at file offset %1")
                                  : QStringLiteral(" at file offset %1"))
                     .arg(problem.Offset);
    return where.isEmpty() ? problem.Detail : where + QStringLiteral(": ") + problem.Detail;
}

void WriteTableFile(QIODevice *device, const TTableFile &table) {
    const char layout = table.Scanning() ? 1 : 0;
    if (device->write(&layout, 1) != 1)
        throw TStreamError(QStringLiteral("Writing failed: %1").arg(device->errorString()));
    WriteInt32(device, qint32(table.Keys.size()));
    if (table.Scanning()) {
        WriteInt32(device, table.nCol);
        WriteInt32(device, table.nRow);
    }
    for (const TTableKey &key : table.Keys) {
        if (table.Scanning()) {
            WriteInt32(device, key.Col);
            WriteInt32(device, key.Row);
        }
        WriteBytes(device, key.Record);
    }
}

void WriteKeyFile(QIODevice *device, const QList<QByteArray> &records) {
    WriteInt32(device, qint32(records.size()));
    for (const QByteArray &record : records)
        WriteBytes(device, record);
}
