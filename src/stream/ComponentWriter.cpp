#include "ComponentWriter.h"

#include "Extended.h"
#include "Names.h"

#include <QIODevice>
#include <QtEndian>
#include <limits>

namespace {

[[noreturn]] void Refuse(const QString &what) {
    throw TStreamError(QStringLiteral("Cannot write the record: %1").arg(what));
}

bool IsAscii(const QString &text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

void CheckLength(qsizetype size) {
    if (size > std::numeric_limits<qint32>::max())
        Refuse(QStringLiteral("a value of %1 bytes is longer than a record can hold.").arg(size));
}

} // namespace

TComponentWriter::TComponentWriter(QIODevice *device)
    : FDevice(device) {}

void TComponentWriter::WriteBytes(const QByteArray &bytes) {
    const qint64 at = FDevice->isSequential() ? -1 : FDevice->pos();
    if (FDevice->write(bytes) != bytes.size()) {
        const QString where = at < 0 ? QString() : QStringLiteral(" at offset %1").arg(at);
        throw TStreamError(
            QStringLiteral("Writing the record failed%1: %2").arg(where, FDevice->errorString()));
    }
}

void TComponentWriter::WriteByte(quint8 b) {
    WriteBytes(QByteArray(1, char(b)));
}

void TComponentWriter::WriteInt32(qint32 v) {
    char bytes[4];
    qToLittleEndian(v, bytes);
    WriteBytes(QByteArray(bytes, 4));
}

void TComponentWriter::WriteType(TValueType type) {
    WriteByte(quint8(type));
}

void TComponentWriter::WriteLengthAndBytes(const QByteArray &bytes) {
    CheckLength(bytes.size());
    WriteInt32(qint32(bytes.size()));
    WriteBytes(bytes);
}

void TComponentWriter::WriteSignature() {
    WriteBytes(QByteArrayLiteral("TPF0"));
}

void TComponentWriter::WritePrefix(const QByteArray &className, const QByteArray &name) {
    WriteSignature();
    WriteShortString(className);
    WriteShortString(name);
}

void TComponentWriter::WriteShortString(const QByteArray &text) {
    if (text.size() > 255)
        Refuse(QStringLiteral("the name \"%1...\" has %2 bytes, a short string at most 255.")
                   .arg(QString::fromLatin1(text.left(20)))
                   .arg(text.size()));
    WriteByte(quint8(text.size()));
    WriteBytes(text);
}

void TComponentWriter::WriteEndOfList() {
    WriteByte(0);
}

void TComponentWriter::WritePropertyName(const QByteArray &name) {
    // An empty name would read back as the end of the entries.
    if (name.isEmpty())
        Refuse(QStringLiteral("a property needs a name."));
    WriteShortString(name);
}

void TComponentWriter::WriteInteger(qint32 value) {
    if (value >= -128 && value <= 127) {
        WriteType(TValueType::vaInt8);
        WriteByte(quint8(qint8(value)));
    } else if (value >= -32768 && value <= 32767) {
        WriteType(TValueType::vaInt16);
        char bytes[2];
        qToLittleEndian(qint16(value), bytes);
        WriteBytes(QByteArray(bytes, 2));
    } else {
        WriteType(TValueType::vaInt32);
        WriteInt32(value);
    }
}

void TComponentWriter::WriteBoolean(bool value) {
    WriteType(value ? TValueType::vaTrue : TValueType::vaFalse);
}

void TComponentWriter::WriteString(const QString &text) {
    if (!IsAscii(text)) {
        WriteType(TValueType::vaUtf8String);
        WriteLengthAndBytes(text.toUtf8());
        return;
    }
    const QByteArray bytes = text.toLatin1();
    if (bytes.size() < 256) {
        WriteType(TValueType::vaString);
        WriteShortString(bytes);
    } else {
        WriteType(TValueType::vaLString);
        WriteLengthAndBytes(bytes);
    }
}

void TComponentWriter::WriteIdent(const QByteArray &name) {
    WriteType(TValueType::vaIdent);
    WriteShortString(name);
}

void TComponentWriter::WriteSetElements(const QList<QByteArray> &elements) {
    for (const QByteArray &element : elements) {
        // An empty element would end the set early and shift everything after it.
        if (element.isEmpty())
            Refuse(QStringLiteral("a set element needs a name."));
        WriteShortString(element);
    }
    WriteByte(0);
}

void TComponentWriter::WriteSet(const QList<QByteArray> &elements) {
    WriteType(TValueType::vaSet);
    WriteSetElements(elements);
}

void TComponentWriter::WriteBinary(const QByteArray &data) {
    WriteType(TValueType::vaBinary);
    WriteLengthAndBytes(data);
}

void TComponentWriter::WriteExtended(double value) {
    const auto ext = ExtendedFromDouble(value);
    WriteType(TValueType::vaExtended);
    WriteBytes(QByteArray(reinterpret_cast<const char *>(ext.data()), qsizetype(ext.size())));
}

void TComponentWriter::WriteColor(quint32 color) {
    if (const auto name = ColorName(color))
        WriteIdent(*name);
    else
        WriteInteger(qint32(color));
}

void TComponentWriter::WriteCharset(qint32 charset) {
    if (const auto name = CharsetName(charset))
        WriteIdent(*name);
    else
        WriteInteger(charset);
}

void TComponentWriter::WriteListBegin() {
    WriteType(TValueType::vaList);
}

void TComponentWriter::WriteValue(const TValue &value) {
    // Nothing is written unless the whole value is valid, so a refused value leaves no
    // half-written bytes behind.
    CheckValue(value);
    WriteCheckedValue(value);
}

void TComponentWriter::CheckValue(const TValue &value) {
    const auto inRange = [&](qint64 low, qint64 high) {
        if (value.Int < low || value.Int > high)
            Refuse(QStringLiteral("%1 does not fit %2.")
                       .arg(value.Int)
                       .arg(QLatin1String(ValueTypeName(value.Type))));
    };
    switch (value.Type) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaExtended:
        break;
    case TValueType::vaList:
        for (const TValue &item : value.List) {
            if (item.Type == TValueType::vaNull)
                Refuse(QStringLiteral("a list item cannot be the end of a list."));
            CheckValue(item);
        }
        break;
    case TValueType::vaInt8:
        inRange(-128, 127);
        break;
    case TValueType::vaInt16:
        inRange(-32768, 32767);
        break;
    case TValueType::vaInt32:
        inRange(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        break;
    case TValueType::vaString:
    case TValueType::vaIdent:
        if (value.Bytes.size() > 255)
            Refuse(QStringLiteral("%1 of %2 bytes does not fit a short string.")
                       .arg(QLatin1String(ValueTypeName(value.Type)))
                       .arg(value.Bytes.size()));
        break;
    case TValueType::vaBinary:
    case TValueType::vaLString:
    case TValueType::vaUtf8String:
        CheckLength(value.Bytes.size());
        break;
    case TValueType::vaWString:
        if (value.Bytes.size() % 2 != 0)
            Refuse(QStringLiteral("a wide string needs an even number of bytes."));
        CheckLength(value.Bytes.size() / 2);
        break;
    case TValueType::vaSet:
        for (const QByteArray &element : value.Set) {
            if (element.isEmpty() || element.size() > 255)
                Refuse(QStringLiteral("a set element must have 1 to 255 bytes."));
        }
        break;
    default:
        Refuse(QStringLiteral("unknown value type %1.").arg(int(value.Type)));
    }
}

void TComponentWriter::WriteCheckedValue(const TValue &value) {
    WriteType(value.Type);
    switch (value.Type) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
        break;
    case TValueType::vaList:
        for (const TValue &item : value.List)
            WriteCheckedValue(item);
        WriteEndOfList();
        break;
    case TValueType::vaInt8:
        WriteByte(quint8(qint8(value.Int)));
        break;
    case TValueType::vaInt16: {
        char bytes[2];
        qToLittleEndian(qint16(value.Int), bytes);
        WriteBytes(QByteArray(bytes, 2));
        break;
    }
    case TValueType::vaInt32:
        WriteInt32(qint32(value.Int));
        break;
    case TValueType::vaExtended:
        WriteBytes(QByteArray(reinterpret_cast<const char *>(value.Ext.data()),
                              qsizetype(value.Ext.size())));
        break;
    case TValueType::vaString:
    case TValueType::vaIdent:
        WriteShortString(value.Bytes);
        break;
    case TValueType::vaBinary:
    case TValueType::vaLString:
    case TValueType::vaUtf8String:
        WriteLengthAndBytes(value.Bytes);
        break;
    case TValueType::vaWString:
        WriteInt32(qint32(value.Bytes.size() / 2));
        WriteBytes(value.Bytes);
        break;
    case TValueType::vaSet:
        WriteSetElements(value.Set);
        break;
    }
}
