#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// Keyboard table files (*.kbt) and key files (*.kyf), little-endian:
//   table: layout byte (0 free, anything else scanning), int32 key count N, in the scanning
//          layout int32 nCol and int32 nRow, then N times [int32 column, int32 row] + key record;
//   key file: int32 N, then N key records.
// Key records stay raw bytes here; turning them into keys is the window's business.

struct TTableKey {
    qint32 Col = 0; // scanning layout only
    qint32 Row = 0;
    QByteArray Record;
};

struct TTableFile {
    quint8 Layout = 1; // as stored; the writer writes 0 or 1
    qint32 nCol = 0;   // scanning layout only
    qint32 nRow = 0;
    QList<TTableKey> Keys;

    bool Scanning() const { return Layout != 0; }
};

// What a reader got: everything before the first damage, and a message when there was some.
struct TTableReadResult {
    TTableFile Table;
    bool HeaderRead = false; // the layout byte (and for tables the counts) were read
    QString Error;           // empty when the whole file was read

    bool Ok() const { return Error.isEmpty(); }
};

TTableReadResult ReadTableFile(QIODevice *device);
// Key files carry no layout; the result's Table holds only Keys.
TTableReadResult ReadKeyFile(QIODevice *device);

// Write `table` / the keys; throw TStreamError when the device fails.
void WriteTableFile(QIODevice *device, const TTableFile &table);
void WriteKeyFile(QIODevice *device, const QList<QByteArray> &records);

// Reads one key record from `device` and returns its bytes: its structure is walked (signature,
// names, every value, the end bytes) so that damage shows here. Throws TStreamError.
QByteArray ReadRecordBytes(QIODevice *device);
