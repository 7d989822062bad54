#include "TableFormat.h"

#include "ComponentReader.h"
#include "StreamError.h"

#include <QIODevice>
#include <QtEndian>

namespace {

qint32 ReadInt32(QIODevice *device, const char *what) {
    char raw[4];
    if (device->read(raw, 4) != 4)
        throw TStreamError(QStringLiteral("The file ends before the %1.").arg(QLatin1String(what)));
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
    const qint32 count = ReadInt32(device, "key count");
    if (count < 0)
        throw TStreamError(QStringLiteral("The key count %1 is negative.").arg(count));
    return count;
}

} // namespace

QByteArray ReadRecordBytes(QIODevice *device) {
    const qint64 start = device->pos();
    TComponentReader reader(device);
    reader.ReadPrefix();
    while (!reader.EndOfList()) {
        reader.ReadPropertyName();
        reader.SkipValue();
    }
    // A key has no children: the child list is empty.
    if (!reader.EndOfList())
        throw TStreamError(QStringLiteral("A key record holds child components."));
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
    try {
        char layout = 0;
        if (device->read(&layout, 1) != 1)
            throw TStreamError(QStringLiteral("The file is empty."));
        table.Layout = static_cast<quint8>(layout);
        const qint32 count = ReadCount(device);
        if (table.Scanning()) {
            table.nCol = ReadInt32(device, "column count");
            table.nRow = ReadInt32(device, "row count");
        }
        result.HeaderRead = true;
        for (qint32 i = 0; i < count; ++i) {
            TTableKey key;
            if (table.Scanning()) {
                key.Col = ReadInt32(device, "key's column");
                key.Row = ReadInt32(device, "key's row");
            }
            key.Record = ReadRecordBytes(device);
            table.Keys.append(key);
        }
    } catch (const TStreamError &e) {
        result.Error = e.Message();
    }
    return result;
}

TTableReadResult ReadKeyFile(QIODevice *device) {
    TTableReadResult result;
    try {
        const qint32 count = ReadCount(device);
        result.HeaderRead = true;
        for (qint32 i = 0; i < count; ++i)
            result.Table.Keys.append(TTableKey{0, 0, ReadRecordBytes(device)});
    } catch (const TStreamError &e) {
        result.Error = e.Message();
    }
    return result;
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
