#pragma once

#include "StreamError.h"
#include "Value.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// Writes a component record ("TPF0" stream), little-endian. A failed write throws TStreamError.
class TComponentWriter {
public:
    explicit TComponentWriter(QIODevice *device);

    // Signature "TPF0", class name, component name.
    void WritePrefix(const QByteArray &className, const QByteArray &name);
    void WriteSignature();
    void WriteShortString(const QByteArray &text); // at most 255 bytes, else TStreamError
    void WriteEndOfList();                         // one 0 byte
    void WritePropertyName(const QByteArray &name);

    void WriteInteger(qint32 value); // smallest of vaInt8 / vaInt16 / vaInt32
    void WriteBoolean(bool value);
    // ASCII as vaString below 256 bytes else vaLString; any non-ASCII text as vaUtf8String.
    void WriteString(const QString &text);
    void WriteIdent(const QByteArray &name);
    void WriteSet(const QList<QByteArray> &elements);
    void WriteBinary(const QByteArray &data);
    void WriteExtended(double value);
    void WriteColor(quint32 color);       // identifier when it has a name
    void WriteCharset(qint32 charset);    // identifier when it has a name
    void WriteListBegin();                // vaList; end it with WriteEndOfList
    void WriteValue(const TValue &value); // exactly as stored

private:
    void WriteBytes(const QByteArray &bytes);
    void WriteByte(quint8 b);
    void WriteInt32(qint32 v);
    void WriteType(TValueType type);
    void WriteLengthAndBytes(const QByteArray &bytes); // 4-byte length, then the bytes
    void WriteSetElements(const QList<QByteArray> &elements);
    static void CheckValue(const TValue &value);
    void WriteCheckedValue(const TValue &value);

    QIODevice *FDevice;
};
