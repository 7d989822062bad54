#pragma once

#include "Error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QIODevice;
class TComponentReader;

// Keyboard table files (*.kbt) and key files (*.kyf), little-endian:
//   table: layout byte (0 free, anything else scanning), int32 key count N, in the scanning
//          layout int32 nCol and int32 nRow, then N times [int32 column, int32 row] + key record;
//   key file: int32 N, then N key records.
// Key records stay raw bytes here; turning them into keys is the window's business.
//
// The reader is the one judge of a file for the program and the tools: a key count, grid size
// or cell outside the limits, two keys in one cell, a damaged record and bytes after the last
// key all refuse the file, with the keys before the damage kept.

struct TTableKey {
    qint32 Col = 0; // scanning layout only
    qint32 Row = 0;
    QByteArray Record;
    qint64 Offset = 0; // file offset of the record (after the cell)
    qint64 Entry = 0;  // file offset of the key's entry (its cell in a scanning table)
};

struct TTableFile {
    quint8 Layout = 1; // as stored; the writer writes 0 or 1
    qint32 nCol = 0;   // scanning layout only
    qint32 nRow = 0;
    QList<TTableKey> Keys;

    bool Scanning() const { return Layout != 0; }
};

// Where and why a file was refused. Key is the 0-based index of the key at fault (-1: the
// header or the end of the file); Offset is always a file offset (-1: unknown).
struct TReadProblem {
    TFault Fault = TFault::None;
    int Key = -1;
    qint64 Offset = -1;
    QString Detail; // English, for the tools; the program words it from Fault
};

// What a reader got: everything before the first damage, and the problem when there was some.
struct TTableReadResult {
    TTableFile Table;
    bool HeaderRead = false; // the header was read and accepted (the grid may take its size)
    TReadProblem Problem;
    QString Error; // empty when the whole file was read; else the problem in English

    bool Ok() const { return Error.isEmpty(); }
};

TTableReadResult ReadTableFile(QIODevice *device);
// Key files carry no layout; the result's Table holds only Keys.
TTableReadResult ReadKeyFile(QIODevice *device);

// Reads the content of each key the framing accepted, in file order: `readKey` gets a reader
// positioned at the key's record inside the whole file `bytes` (so its offsets are file
// offsets) and throws TError when it refuses the key. The first refusal ends the keys there and
// becomes the result's problem, unless the framing failed earlier.
using TKeyReader = std::function<void(TComponentReader &reader, const TTableKey &key, int index)>;
void ReadKeys(TTableReadResult &result, const QByteArray &bytes, const TKeyReader &readKey);

// The problem in English: "key 13 at file offset 345: ..." (keys counted from 1).
QString DescribeProblem(const TReadProblem &problem);

// Write `table` / the keys; throw TStreamError when the device fails.
void WriteTableFile(QIODevice *device, const TTableFile &table);
void WriteKeyFile(QIODevice *device, const QList<QByteArray> &records);

// Reads one key record from `device` and returns its bytes: its structure is walked (signature,
// names, every value, the end bytes) so that damage shows here. Throws TStreamError.
QByteArray ReadRecordBytes(QIODevice *device);
