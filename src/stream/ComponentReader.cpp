#include "ComponentReader.h"

#include "CodePage1250.h"
#include "Extended.h"
#include "Names.h"

#include <QIODevice>
#include <QtEndian>
#include <cstring>

namespace {

// Lists inside lists are legal but never deep in real records; the limit keeps a hostile file
// from exhausting the stack.
constexpr int kMaxListDepth = 64;

// A set stores the names of an enumeration's members, and an enumeration has at most 256.
constexpr int kMaxSetElements = 256;

// Items of lists and names of sets that one value read whole may hold. Each costs far more
// memory than its byte in the file, so a 16 MB file could otherwise claim gigabytes; the records
// of tables and configurations hold a few dozen.
constexpr int kMaxValueElements = 65536;

// Sequential devices are read in pieces so a claimed length never allocates more than arrived.
constexpr qint64 kChunk = 64 * 1024;

QString Hex(unsigned value) {
    return QStringLiteral("0x") + QString::number(value, 16).rightJustified(2, u'0').toUpper();
}

QString ByteCount(qint64 n) {
    return n == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(n);
}

bool IsInteger(TValueType type) {
    return type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32;
}

QString Utf16FromLittleEndian(QByteArrayView bytes) {
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(bytes.constData() + 2 * i));
    return text;
}

} // namespace

TComponentReader::TComponentReader(QIODevice *device)
    : FDevice(device) {}

TComponentReader::TComponentReader(QByteArrayView bytes, qint64 at)
    : FData(bytes.data())
    , FSize(bytes.size())
    , FPos(qBound<qint64>(0, at, bytes.size())) {}

qint64 TComponentReader::BytesLeft() const {
    if (!FDevice)
        return FSize - FPos;
    if (FDevice->isSequential())
        return FDevice->bytesAvailable();
    return qMax<qint64>(0, FDevice->size() - FDevice->pos());
}

qint64 TComponentReader::Offset() const {
    if (!FDevice)
        return FPos;
    return FDevice->isSequential() ? FConsumed : FDevice->pos();
}

[[noreturn]] void TComponentReader::Fail(qint64 offset, const QString &what, TFault fault) const {
    throw TStreamError(QStringLiteral("Damaged record at offset %1: %2").arg(offset).arg(what),
                       fault);
}

[[noreturn]] void TComponentReader::FailType(qint64 offset, const char *expected,
                                             TValueType found) const {
    Fail(offset, QStringLiteral("%1 was expected, found %2 (type %3).")
                     .arg(QLatin1String(expected), QLatin1String(ValueTypeName(found)),
                          Hex(unsigned(found))));
}

void TComponentReader::CheckBytesLeft(qint64 at, qint64 count) const {
    if (count < 0)
        Fail(at, QStringLiteral("negative length %1.").arg(count));
    if (FDevice && FDevice->isSequential())
        return;
    const qint64 left = BytesLeft();
    if (count > left)
        Fail(at,
             QStringLiteral("the value needs %1 but only %2 left.")
                 .arg(ByteCount(count),
                      left == 1 ? QStringLiteral("1 is") : QStringLiteral("%1 are").arg(left)),
             TFault::Truncated);
}

QByteArray TComponentReader::ReadBytes(qint64 count) {
    if (!FDevice)
        return ReadInPlace(count).toByteArray();
    const qint64 at = Offset();
    CheckBytesLeft(at, count);
    QByteArray data;
    if (!FDevice->isSequential()) {
        data = FDevice->read(count);
    } else {
        while (data.size() < count) {
            const QByteArray piece = FDevice->read(qMin(kChunk, count - data.size()));
            if (piece.isEmpty())
                break;
            data.append(piece);
        }
    }
    if (data.size() != count) {
        const QString reason = FDevice->errorString();
        Fail(at, QStringLiteral("the value needs %1 but only %2 could be read (%3).")
                     .arg(ByteCount(count))
                     .arg(data.size())
                     .arg(reason));
    }
    FConsumed += count;
    return data;
}

QByteArrayView TComponentReader::ReadInPlace(qint64 count) {
    if (FDevice) {
        FScratch = ReadBytes(count);
        return FScratch;
    }
    CheckBytesLeft(FPos, count);
    const QByteArrayView bytes(FData + FPos, count);
    FPos += count;
    return bytes;
}

void TComponentReader::SkipBytes(qint64 count) {
    const qint64 at = Offset();
    CheckBytesLeft(at, count);
    if (!FDevice) {
        FPos += count;
        return;
    }
    qint64 skipped = FDevice->skip(count);
    if (skipped != count) {
        Fail(at, QStringLiteral("the value needs %1 but only %2 could be read (%3).")
                     .arg(ByteCount(count))
                     .arg(qMax<qint64>(0, skipped))
                     .arg(FDevice->errorString()));
    }
    FConsumed += count;
}

void TComponentReader::ReadFixed(char *data, qint64 count) {
    const qint64 at = Offset();
    if (!FDevice) {
        const qint64 left = FSize - FPos;
        if (count > left)
            Fail(at, QStringLiteral("the record ends %1 early.").arg(ByteCount(count - left)),
                 TFault::Truncated);
        std::memcpy(data, FData + FPos, std::size_t(count));
        FPos += count;
        return;
    }
    const qint64 got = FDevice->read(data, count);
    if (got != count) {
        if (got < 0)
            Fail(at, QStringLiteral("the device failed (%1).").arg(FDevice->errorString()));
        Fail(at, QStringLiteral("the record ends %1 early.").arg(ByteCount(count - got)),
             TFault::Truncated);
    }
    FConsumed += count;
}

bool TComponentReader::PeekByte(char *b) {
    if (!FDevice) {
        if (FPos >= FSize)
            return false;
        *b = FData[FPos];
        return true;
    }
    return FDevice->peek(b, 1) == 1;
}

quint8 TComponentReader::ReadByte() {
    if (!FDevice && FPos < FSize)
        return quint8(FData[FPos++]);
    char b = 0;
    ReadFixed(&b, 1);
    return quint8(b);
}

qint32 TComponentReader::ReadInt32() {
    char bytes[4];
    ReadFixed(bytes, 4);
    return qFromLittleEndian<qint32>(bytes);
}

qint64 TComponentReader::ReadLength() {
    const qint64 at = Offset();
    const qint32 length = ReadInt32();
    if (length < 0)
        Fail(at, QStringLiteral("negative length %1.").arg(length));
    return length;
}

TValueType TComponentReader::ReadValueType() {
    const qint64 at = Offset();
    const quint8 b = ReadByte();
    if (!IsValueType(b))
        Fail(at, QStringLiteral("unknown value type %1.").arg(Hex(b)));
    return TValueType(b);
}

TValueType TComponentReader::PeekValueType() {
    char b = 0;
    if (!PeekByte(&b))
        Fail(Offset(), QStringLiteral("the record ends where a value was expected."),
             TFault::Truncated);
    if (!IsValueType(quint8(b)))
        Fail(Offset(), QStringLiteral("unknown value type %1.").arg(Hex(quint8(b))));
    return TValueType(quint8(b));
}

void TComponentReader::ReadSignature() {
    const qint64 at = Offset();
    if (BytesLeft() < 4)
        Fail(at, QStringLiteral("the record is too short for its signature \"TPF0\"."),
             TFault::Truncated);
    if (ReadInPlace(4) != QByteArrayView("TPF0"))
        Fail(at, QStringLiteral("the signature is not \"TPF0\"."));
}

QByteArray TComponentReader::ReadShortString() {
    return ReadBytes(ReadByte());
}

TComponentReader::TPrefix TComponentReader::ReadPrefix() {
    ReadSignature();
    TPrefix prefix;
    prefix.ClassName = ReadShortString();
    prefix.Name = ReadShortString();
    return prefix;
}

bool TComponentReader::EndOfList() {
    char b = 0;
    if (!PeekByte(&b))
        Fail(Offset(), QStringLiteral("the record ends before the end of its list."),
             TFault::Truncated);
    if (b != 0)
        return false;
    ReadByte();
    return true;
}

QByteArray TComponentReader::ReadPropertyName() {
    QByteArray name;
    ReadPropertyName(name);
    return name;
}

void TComponentReader::ReadPropertyName(QByteArray &name) {
    const qint64 at = Offset();
    const QByteArrayView stored = ReadInPlace(ReadByte());
    if (stored.isEmpty())
        Fail(at, QStringLiteral("a property name was expected, found the end of the list."));
    name.resize(stored.size());
    std::memcpy(name.data(), stored.data(), std::size_t(stored.size()));
}

qint64 TComponentReader::ReadIntegerData(TValueType type) {
    switch (type) {
    case TValueType::vaInt8:
        return qint8(ReadByte());
    case TValueType::vaInt16: {
        char bytes[2];
        ReadFixed(bytes, 2);
        return qFromLittleEndian<qint16>(bytes);
    }
    case TValueType::vaInt32:
        return ReadInt32();
    default:
        return 0;
    }
}

qint32 TComponentReader::ReadInteger() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    if (!IsInteger(type))
        FailType(at, "an integer", type);
    return qint32(ReadIntegerData(type));
}

bool TComponentReader::ReadBoolean() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    if (type != TValueType::vaFalse && type != TValueType::vaTrue)
        FailType(at, "a Boolean", type);
    return type == TValueType::vaTrue;
}

QString TComponentReader::ReadString() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    switch (type) {
    case TValueType::vaString:
        return CodePage1250::ToUnicode(ReadInPlace(ReadByte()));
    case TValueType::vaLString:
        return CodePage1250::ToUnicode(ReadInPlace(ReadLength()));
    case TValueType::vaUtf8String:
        return QString::fromUtf8(ReadInPlace(ReadLength()));
    case TValueType::vaWString:
        return Utf16FromLittleEndian(ReadInPlace(ReadLength() * 2));
    default:
        FailType(at, "a string", type);
    }
}

QByteArray TComponentReader::ReadIdent() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    switch (type) {
    case TValueType::vaIdent:
        return ReadShortString();
    case TValueType::vaFalse:
        return QByteArrayLiteral("False");
    case TValueType::vaTrue:
        return QByteArrayLiteral("True");
    case TValueType::vaNull:
        return QByteArrayLiteral("Null");
    default:
        FailType(at, "an identifier", type);
    }
}

QList<QByteArray> TComponentReader::ReadSetElements(qint64 at) {
    QList<QByteArray> elements;
    for (;;) {
        QByteArray element = ReadShortString();
        if (element.isEmpty())
            return elements;
        if (elements.size() >= kMaxSetElements)
            Fail(at, QStringLiteral("a set holds more than %1 names.").arg(kMaxSetElements));
        CountElement(at);
        elements.append(std::move(element));
    }
}

void TComponentReader::CountElement(qint64 at) {
    if (FElementBudget < 0)
        return;
    if (FElementBudget == 0)
        Fail(at, QStringLiteral("the value holds more than %1 list items and set names.")
                     .arg(kMaxValueElements));
    --FElementBudget;
}

QList<QByteArray> TComponentReader::ReadSet() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    if (type != TValueType::vaSet)
        FailType(at, "a set", type);
    return ReadSetElements(at);
}

QByteArray TComponentReader::ReadBinary() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    if (type != TValueType::vaBinary)
        FailType(at, "binary data", type);
    return ReadBytes(ReadLength());
}

void TComponentReader::ReadListBegin() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    if (type != TValueType::vaList)
        FailType(at, "a list", type);
}

double TComponentReader::ReadExtended() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    if (IsInteger(type))
        return double(ReadIntegerData(type));
    if (type != TValueType::vaExtended)
        FailType(at, "a floating-point number", type);
    std::array<std::uint8_t, 10> ext{};
    ReadFixed(reinterpret_cast<char *>(ext.data()), qint64(ext.size()));
    return DoubleFromExtended(ext);
}

quint32 TComponentReader::ReadColor() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    if (IsInteger(type))
        return quint32(qint32(ReadIntegerData(type)));
    if (type != TValueType::vaIdent)
        FailType(at, "a colour", type);
    const QByteArrayView name = ReadInPlace(ReadByte());
    const auto color = ColorFromName(name);
    if (!color)
        Fail(at, QStringLiteral("unknown colour name \"%1\".").arg(QString::fromLatin1(name)));
    return *color;
}

qint32 TComponentReader::ReadCharset() {
    const qint64 at = Offset();
    const TValueType type = ReadValueType();
    if (IsInteger(type))
        return qint32(ReadIntegerData(type));
    if (type != TValueType::vaIdent)
        FailType(at, "a character set", type);
    const QByteArrayView name = ReadInPlace(ReadByte());
    const auto charset = CharsetFromName(name);
    if (!charset)
        Fail(at, QStringLiteral("unknown character set \"%1\".").arg(QString::fromLatin1(name)));
    return *charset;
}

TValue TComponentReader::ReadValue() {
    FElementBudget = kMaxValueElements;
    try {
        TValue value = ReadNestedValue(0);
        FElementBudget = -1;
        return value;
    } catch (...) {
        FElementBudget = -1;
        throw;
    }
}

TValue TComponentReader::ReadNestedValue(int depth) {
    const qint64 at = Offset();
    TValue value;
    value.Type = ReadValueType();
    switch (value.Type) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
        break;
    case TValueType::vaList:
        if (depth >= kMaxListDepth)
            Fail(at, QStringLiteral("lists are nested deeper than %1 levels.").arg(kMaxListDepth));
        while (!EndOfList()) {
            CountElement(at);
            value.List.append(ReadNestedValue(depth + 1));
        }
        break;
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
        value.Int = ReadIntegerData(value.Type);
        break;
    case TValueType::vaExtended:
        ReadFixed(reinterpret_cast<char *>(value.Ext.data()), qint64(value.Ext.size()));
        break;
    case TValueType::vaString:
    case TValueType::vaIdent:
        value.Bytes = ReadShortString();
        break;
    case TValueType::vaBinary:
    case TValueType::vaLString:
    case TValueType::vaUtf8String:
        value.Bytes = ReadBytes(ReadLength());
        break;
    case TValueType::vaWString:
        value.Bytes = ReadBytes(ReadLength() * 2);
        break;
    case TValueType::vaSet:
        value.Set = ReadSetElements(at);
        break;
    }
    return value;
}

void TComponentReader::SkipValue() {
    // Walked without keeping anything: an entry nobody reads costs no memory, however many
    // items it claims. Lists are counted, not recursed into.
    int depth = 0;
    do {
        if (depth > 0 && EndOfList()) {
            --depth;
            continue;
        }
        const qint64 at = Offset();
        const TValueType type = ReadValueType();
        switch (type) {
        case TValueType::vaNull:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
            break;
        case TValueType::vaList:
            if (depth >= kMaxListDepth)
                Fail(at,
                     QStringLiteral("lists are nested deeper than %1 levels.").arg(kMaxListDepth));
            ++depth;
            break;
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32:
            (void)ReadIntegerData(type);
            break;
        case TValueType::vaExtended:
            SkipBytes(10);
            break;
        case TValueType::vaString:
        case TValueType::vaIdent:
            SkipBytes(ReadByte());
            break;
        case TValueType::vaBinary:
        case TValueType::vaLString:
        case TValueType::vaUtf8String:
            SkipBytes(ReadLength());
            break;
        case TValueType::vaWString:
            SkipBytes(ReadLength() * 2);
            break;
        case TValueType::vaSet:
            for (int names = 0;; ++names) {
                const quint8 length = ReadByte();
                if (length == 0)
                    break;
                if (names >= kMaxSetElements)
                    Fail(at,
                         QStringLiteral("a set holds more than %1 names.").arg(kMaxSetElements));
                SkipBytes(length);
            }
            break;
        }
    } while (depth > 0);
}
