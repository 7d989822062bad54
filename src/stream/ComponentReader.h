#pragma once

#include "StreamError.h"
#include "Value.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class QIODevice;

// Reads a component record ("TPF0" stream): little-endian, every length checked against the
// bytes left before anything is allocated. Every failure throws TStreamError with a message
// that names the offset. A sequential device must already hold the bytes of the record.
class TComponentReader {
public:
    explicit TComponentReader(QIODevice *device);
    // Reads `bytes` from `at` on, with no device between: the same checks and messages, their
    // offsets counted from the start of `bytes`. The bytes must outlive the reader; `at` is kept
    // inside them.
    explicit TComponentReader(QByteArrayView bytes, qint64 at = 0);

    struct TPrefix {
        QByteArray ClassName;
        QByteArray Name;
    };
    // Signature "TPF0", class name, component name.
    TPrefix ReadPrefix();
    void ReadSignature();
    QByteArray ReadShortString();

    // True (and the 0 byte consumed) when the next byte ends a list of entries or children.
    bool EndOfList();
    // The dotted property name of the next entry ("Font.Name").
    QByteArray ReadPropertyName();
    // The same into `name`, reusing its storage from one entry to the next.
    void ReadPropertyName(QByteArray &name);

    TValueType PeekValueType();

    // Typed reads; each fails when the value's type does not fit.
    qint32 ReadInteger();   // any of the three integer types
    bool ReadBoolean();     // vaFalse / vaTrue
    QString ReadString();   // vaString, vaLString (Windows-1250), vaUtf8String, vaWString
    QByteArray ReadIdent(); // vaIdent (also accepts vaFalse/vaTrue/vaNull as their names)
    QList<QByteArray> ReadSet();
    QByteArray ReadBinary();
    void ReadListBegin(); // vaList; then read items until EndOfList()
    double ReadExtended();
    quint32 ReadColor();  // identifier from the colour names, or an integer
    qint32 ReadCharset(); // identifier from the charset names, or an integer

    // Any value, exactly as stored (used by tools that must write it back unchanged). Sets of
    // more than 256 names and values of more than 65536 list items and names fail.
    TValue ReadValue();
    // Passes over any value, allocating nothing; a set of more than 256 names fails as above.
    void SkipValue();

    // Bytes left in the device or the bytes.
    qint64 BytesLeft() const;
    // Where the next read starts, as messages name it: the position in the bytes, the device's
    // own for files and buffers, else the bytes consumed.
    qint64 Offset() const;

private:
    void ReadFixed(char *data, qint64 count); // a few bytes of fixed size, no allocation
    quint8 ReadByte();
    QByteArray ReadBytes(qint64 count);
    // The next `count` bytes, checked as ReadBytes checks them, seen where they lie (read into
    // FScratch from a device); valid until the next read.
    QByteArrayView ReadInPlace(qint64 count);
    bool PeekByte(char *b); // false at the end
    void SkipBytes(qint64 count);
    void CheckBytesLeft(qint64 at, qint64 count) const; // fails for what cannot be there
    void CountElement(qint64 at); // one more list item or set name of the value read whole
    qint32 ReadInt32();
    qint64 ReadLength(); // a 4-byte length; negative ones fail
    TValueType ReadValueType();
    qint64 ReadIntegerData(TValueType type);
    QList<QByteArray> ReadSetElements(qint64 at); // `at`: where the value starts
    TValue ReadNestedValue(int depth);

    [[noreturn]] void Fail(qint64 offset, const QString &what,
                           TFault fault = TFault::Damaged) const;
    [[noreturn]] void FailType(qint64 offset, const char *expected, TValueType found) const;

    QIODevice *FDevice = nullptr; // null: reading FData
    qint64 FConsumed = 0;
    const char *FData = nullptr;
    qint64 FSize = 0;
    qint64 FPos = 0;
    QByteArray FScratch;
    int FElementBudget = -1; // left for the value ReadValue is reading; -1: not counted
};
