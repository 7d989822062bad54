#include "KbtJson.h"

#include "CodePage1250.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Error.h"
#include "Extended.h"
#include "KbtAuthoring.h"
#include "Picture.h"
#include "TableFormat.h"
#include "VxKey.h"

#include <QBuffer>
#include <QJsonArray>
#include <QSet>
#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>
#include <memory>

namespace {

[[noreturn]] void Fail(const QString &message) {
    throw TError(message);
}

// What the program's own writer makes of a text: the plain JSON form stands for exactly that.
QByteArray NaturalString(const QString &text) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    TComponentWriter(&b).WriteString(text);
    return b.data();
}

QByteArray ValueBytes(const TValue &v) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    TComponentWriter(&b).WriteValue(v);
    return b.data();
}

TValueType SmallestIntType(qint64 n) {
    if (n >= -128 && n <= 127)
        return TValueType::vaInt8;
    if (n >= -32768 && n <= 32767)
        return TValueType::vaInt16;
    return TValueType::vaInt32;
}

QString Base64(const QByteArray &b) {
    return QString::fromLatin1(b.toBase64());
}

QByteArray FromBase64(const QJsonValue &v) {
    auto r = QByteArray::fromBase64Encoding(v.toString().toLatin1(),
                                            QByteArray::AbortOnBase64DecodingErrors);
    if (!r)
        Fail(QStringLiteral("Bad base64 data."));
    return *r;
}

bool IsValidUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError() && text.toUtf8() == bytes;
}

// The UTF-16 units of a wide string value as text. A lone surrogate cannot travel in JSON text,
// so a string holding one is written with "\\uXXXX" for it and "\\\\" for a backslash.
QString WideText(const QByteArray &bytes, bool *escaped) {
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(quint8(bytes[2 * i]) | quint8(bytes[2 * i + 1]) << 8));
    bool lone = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            lone = true;
    }
    *escaped = lone;
    if (!lone)
        return text;
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.append(c);
            out.append(text[++i]);
        } else if (c.isSurrogate()) {
            out.append(
                QStringLiteral("\\u") +
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
        } else if (c == QLatin1Char('\\')) {
            out.append(QStringLiteral("\\\\"));
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray WideBytes(const QString &text, bool escaped) {
    QString units;
    if (!escaped) {
        units = text;
    } else {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != QLatin1Char('\\')) {
                units.append(text[i]);
                continue;
            }
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\\')) {
                units.append(QLatin1Char('\\'));
                ++i;
                continue;
            }
            bool ok = false;
            const ushort unit = i + 5 < text.size() && text[i + 1] == QLatin1Char('u')
                                    ? text.mid(i + 2, 4).toUShort(&ok, 16)
                                    : 0;
            if (!ok)
                Fail(QStringLiteral("A wide string holds a bad escape at %1.").arg(i));
            units.append(QChar(unit));
            i += 5;
        }
    }
    QByteArray bytes(units.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < units.size(); ++i) {
        bytes[2 * i] = char(units[i].unicode() & 0xFF);
        bytes[2 * i + 1] = char(units[i].unicode() >> 8);
    }
    return bytes;
}

QJsonValue ValueToJson(const TValue &v);

QJsonArray ListToJson(const QList<TValue> &items) {
    QJsonArray a;
    for (const TValue &item : items)
        a.append(ValueToJson(item));
    return a;
}

QJsonValue ValueToJson(const TValue &v) {
    switch (v.Type) {
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
        if (SmallestIntType(v.Int) == v.Type)
            return double(v.Int);
        return QJsonObject{{v.Type == TValueType::vaInt8    ? QStringLiteral("int8")
                            : v.Type == TValueType::vaInt16 ? QStringLiteral("int16")
                                                            : QStringLiteral("int32"),
                            double(v.Int)}};
    case TValueType::vaFalse:
        return false;
    case TValueType::vaTrue:
        return true;
    case TValueType::vaExtended: {
        double d = DoubleFromExtended(v.Ext);
        if (ExtendedFromDouble(d) == v.Ext)
            return QJsonObject{{QStringLiteral("extended"), d}};
        QByteArray raw(reinterpret_cast<const char *>(v.Ext.data()), 10);
        return QJsonObject{{QStringLiteral("extended-bytes"), QString::fromLatin1(raw.toHex())}};
    }
    case TValueType::vaString:
    case TValueType::vaLString: {
        const QString text = CodePage1250::ToUnicode(v.Bytes);
        if (NaturalString(text) == ValueBytes(v))
            return text;
        return QJsonObject{
            {v.Type == TValueType::vaString ? QStringLiteral("string") : QStringLiteral("lstring"),
             text}};
    }
    case TValueType::vaUtf8String: {
        if (!IsValidUtf8(v.Bytes))
            return QJsonObject{{QStringLiteral("utf8-bytes"), Base64(v.Bytes)}};
        const QString text = QString::fromUtf8(v.Bytes);
        if (NaturalString(text) == ValueBytes(v))
            return text;
        return QJsonObject{{QStringLiteral("utf8"), text}};
    }
    case TValueType::vaWString: {
        bool escaped = false;
        const QString text = WideText(v.Bytes, &escaped);
        return QJsonObject{
            {escaped ? QStringLiteral("wstring-escaped") : QStringLiteral("wstring"), text}};
    }
    case TValueType::vaIdent:
        return QJsonObject{{QStringLiteral("ident"), QString::fromLatin1(v.Bytes)}};
    case TValueType::vaSet: {
        QJsonArray a;
        for (const QByteArray &e : v.Set)
            a.append(QString::fromLatin1(e));
        return QJsonObject{{QStringLiteral("set"), a}};
    }
    case TValueType::vaBinary: {
        // A picture is shown as its kind and its file image, when that gives the same bytes.
        try {
            const TPicture picture = TPicture::FromSymbolData(v.Bytes);
            if (!picture.IsEmpty() && picture.ToSymbolData() == v.Bytes) {
                return QJsonObject{
                    {QStringLiteral("picture"), QString::fromLatin1(picture.KindName())},
                    {QStringLiteral("base64"), Base64(picture.Bytes())}};
            }
        } catch (const TError &) {
        }
        return QJsonObject{{QStringLiteral("binary"), Base64(v.Bytes)}};
    }
    case TValueType::vaList:
        return QJsonObject{{QStringLiteral("list"), ListToJson(v.List)}};
    case TValueType::vaNull:
        break;
    }
    Fail(QStringLiteral("A value of an unknown type."));
}

TValue JsonToValue(const QJsonValue &j);

TValue Text(TValueType type, const QByteArray &bytes) {
    TValue v;
    v.Type = type;
    v.Bytes = bytes;
    return v;
}

TValue Integer(TValueType type, const QJsonValue &j) {
    const double d = j.toDouble();
    if (!j.isDouble() || d != double(qint64(d)))
        Fail(QStringLiteral("An integer was expected."));
    TValue v;
    v.Type = type;
    v.Int = qint64(d);
    const qint64 lo = type == TValueType::vaInt8    ? -128
                      : type == TValueType::vaInt16 ? -32768
                                                    : INT32_MIN;
    const qint64 hi = type == TValueType::vaInt8    ? 127
                      : type == TValueType::vaInt16 ? 32767
                                                    : INT32_MAX;
    if (v.Int < lo || v.Int > hi)
        Fail(QStringLiteral("The integer %1 does not fit its type.").arg(v.Int));
    return v;
}

TValue TaggedToValue(const QJsonObject &o) {
    const auto has = [&](const char *k) { return o.contains(QLatin1String(k)); };
    const auto get = [&](const char *k) { return o.value(QLatin1String(k)); };
    if (has("int8"))
        return Integer(TValueType::vaInt8, get("int8"));
    if (has("int16"))
        return Integer(TValueType::vaInt16, get("int16"));
    if (has("int32"))
        return Integer(TValueType::vaInt32, get("int32"));
    if (has("extended")) {
        TValue v;
        v.Type = TValueType::vaExtended;
        v.Ext = ExtendedFromDouble(get("extended").toDouble());
        return v;
    }
    if (has("extended-bytes")) {
        const QByteArray raw = QByteArray::fromHex(get("extended-bytes").toString().toLatin1());
        if (raw.size() != 10)
            Fail(QStringLiteral("An extended value needs ten bytes."));
        TValue v;
        v.Type = TValueType::vaExtended;
        std::copy(raw.begin(), raw.end(), v.Ext.begin());
        return v;
    }
    if (has("string"))
        return Text(TValueType::vaString, CodePage1250::FromUnicode(get("string").toString()));
    if (has("lstring"))
        return Text(TValueType::vaLString, CodePage1250::FromUnicode(get("lstring").toString()));
    if (has("utf8"))
        return Text(TValueType::vaUtf8String, get("utf8").toString().toUtf8());
    if (has("utf8-bytes"))
        return Text(TValueType::vaUtf8String, FromBase64(get("utf8-bytes")));
    if (has("wstring"))
        return Text(TValueType::vaWString, WideBytes(get("wstring").toString(), false));
    if (has("wstring-escaped"))
        return Text(TValueType::vaWString, WideBytes(get("wstring-escaped").toString(), true));
    if (has("wstring-bytes"))
        return Text(TValueType::vaWString, FromBase64(get("wstring-bytes")));
    if (has("ident"))
        return Text(TValueType::vaIdent, get("ident").toString().toLatin1());
    if (has("binary"))
        return Text(TValueType::vaBinary, FromBase64(get("binary")));
    if (has("picture")) {
        const TPicture picture = TPicture::FromFileBytes(FromBase64(get("base64")));
        if (picture.KindName() != get("picture").toString().toLatin1())
            Fail(QStringLiteral("The picture data is not of kind %1.")
                     .arg(get("picture").toString()));
        return Text(TValueType::vaBinary, picture.ToSymbolData());
    }
    if (has("set")) {
        TValue v;
        v.Type = TValueType::vaSet;
        for (const QJsonValue &e : get("set").toArray())
            v.Set.append(e.toString().toLatin1());
        return v;
    }
    if (has("list")) {
        TValue v;
        v.Type = TValueType::vaList;
        for (const QJsonValue &e : get("list").toArray())
            v.List.append(JsonToValue(e));
        return v;
    }
    Fail(QStringLiteral("A value of an unknown form."));
}

TValue JsonToValue(const QJsonValue &j) {
    if (j.isBool())
        return Text(j.toBool() ? TValueType::vaTrue : TValueType::vaFalse, {});
    if (j.isDouble()) {
        const double d = j.toDouble();
        if (d < INT32_MIN || d > INT32_MAX)
            Fail(QStringLiteral("The integer %1 is out of range.").arg(d));
        return Integer(SmallestIntType(qint64(d)), j);
    }
    if (j.isString()) {
        QBuffer b;
        b.open(QIODevice::ReadWrite);
        TComponentWriter(&b).WriteString(j.toString());
        b.seek(0);
        return TComponentReader(&b).ReadValue();
    }
    if (j.isObject())
        return TaggedToValue(j.toObject());
    Fail(QStringLiteral("A value must be a number, text, true/false or an object."));
}

QJsonObject RecordToJson(const QByteArray &record) {
    QBuffer b;
    b.setData(record);
    b.open(QIODevice::ReadOnly);
    TComponentReader reader(&b);
    const TComponentReader::TPrefix prefix = reader.ReadPrefix();
    QJsonArray properties;
    while (!reader.EndOfList()) {
        const QByteArray name = reader.ReadPropertyName();
        properties.append(QJsonArray{QString::fromLatin1(name), ValueToJson(reader.ReadValue())});
    }
    return QJsonObject{{QStringLiteral("class"), QString::fromLatin1(prefix.ClassName)},
                       {QStringLiteral("name"), QString::fromLatin1(prefix.Name)},
                       {QStringLiteral("properties"), properties}};
}

QByteArray JsonToRecord(const QJsonObject &key) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    TComponentWriter w(&b);
    w.WritePrefix(key.value(QLatin1String("class")).toString(QStringLiteral("TVxKey")).toLatin1(),
                  key.value(QLatin1String("name")).toString().toLatin1());
    for (const QJsonValue &entry : key.value(QLatin1String("properties")).toArray()) {
        const QJsonArray pair = entry.toArray();
        if (pair.size() != 2 || !pair.at(0).isString())
            Fail(QStringLiteral("A property must be a pair [name, value]."));
        w.WritePropertyName(pair.at(0).toString().toLatin1());
        try {
            w.WriteValue(JsonToValue(pair.at(1)));
        } catch (const TError &e) {
            Fail(QStringLiteral("Property %1: %2").arg(pair.at(0).toString(), e.Message()));
        }
    }
    w.WriteEndOfList();
    w.WriteEndOfList();
    return b.data();
}

} // namespace

bool IsKeyFileName(const QString &fileName) {
    return fileName.endsWith(QLatin1String(".kyf"), Qt::CaseInsensitive);
}

QJsonObject DumpFile(const QByteArray &bytes, bool keyFile) {
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    TTableReadResult r = keyFile ? ReadKeyFile(&b) : ReadTableFile(&b);
    // Every key is read as the program reads it, so a file dumps exactly when it opens.
    ReadKeys(r, bytes, [](TComponentReader &record, const TTableKey &, int) {
        (void)TVxKey::CreateFromStream(nullptr, record);
    });
    if (!r.Ok())
        Fail(r.Error);
    QJsonObject out;
    out.insert(QStringLiteral("file"), keyFile ? QStringLiteral("keys") : QStringLiteral("table"));
    const bool scanning = !keyFile && r.Table.Scanning();
    if (!keyFile) {
        out.insert(QStringLiteral("layout"), int(r.Table.Layout));
        if (scanning) {
            out.insert(QStringLiteral("nCol"), r.Table.nCol);
            out.insert(QStringLiteral("nRow"), r.Table.nRow);
        }
    }
    QJsonArray keys;
    for (const TTableKey &key : r.Table.Keys) {
        QJsonObject k = RecordToJson(key.Record);
        if (scanning) {
            k.insert(QStringLiteral("col"), key.Col);
            k.insert(QStringLiteral("row"), key.Row);
        }
        keys.append(k);
    }
    out.insert(QStringLiteral("keys"), keys);
    return out;
}

namespace {

bool IsAuthored(const QJsonObject &key) {
    return key.contains(QLatin1String("key"));
}

// Keys written by hand must each have a cell of their own inside the grid: a second key in a
// cell would silently replace the first when the table is loaded.
void CheckCells(const QJsonArray &keys, const TTableFile &table) {
    QSet<QPair<int, int>> used;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QJsonObject o = keys.at(i).toObject();
        if (!IsAuthored(o))
            continue;
        const int col = o.value(QLatin1String("col")).toInt(-1);
        const int row = o.value(QLatin1String("row")).toInt(-1);
        if (col < 0 || row < 0 || col >= table.nCol || row >= table.nRow)
            Fail(QStringLiteral("Key %1: the cell (%2, %3) is outside the %4 x %5 grid.")
                     .arg(i + 1)
                     .arg(col)
                     .arg(row)
                     .arg(table.nCol)
                     .arg(table.nRow));
        if (used.contains({col, row}))
            Fail(QStringLiteral("Key %1: the cell (%2, %3) already holds a key.")
                     .arg(i + 1)
                     .arg(col)
                     .arg(row));
        used.insert({col, row});
    }
}

} // namespace

QByteArray BuildFile(const QJsonObject &json, const TBuildOptions &options) {
    const QString kind = json.value(QLatin1String("file")).toString();
    if (kind != QLatin1String("table") && kind != QLatin1String("keys"))
        Fail(QStringLiteral("\"file\" must be \"table\" or \"keys\"."));
    const bool keyFile = kind == QLatin1String("keys");
    const QJsonArray keys = json.value(QLatin1String("keys")).toArray();

    TTableFile table;
    const int layout = json.value(QLatin1String("layout")).toInt(1);
    if (layout < 0 || layout > 255)
        Fail(QStringLiteral("\"layout\" must be a byte."));
    table.Layout = quint8(layout);
    table.nCol = json.value(QLatin1String("nCol")).toInt();
    table.nRow = json.value(QLatin1String("nRow")).toInt();
    const bool scanning = !keyFile && table.Scanning();

    std::unique_ptr<TKeyAuthor> author;
    if (std::any_of(keys.begin(), keys.end(),
                    [](const QJsonValue &k) { return IsAuthored(k.toObject()); })) {
        if (scanning)
            CheckCells(keys, table);
        TKeyAuthor::TOptions authorOptions;
        authorOptions.SearchDirs = options.SearchDirs;
        authorOptions.Scanning = scanning;
        authorOptions.nCol = table.nCol;
        authorOptions.nRow = table.nRow;
        authorOptions.GridSize = QSize(json.value(QLatin1String("gridWidth")).toInt(650),
                                       json.value(QLatin1String("gridHeight")).toInt(300));
        authorOptions.Defaults = json.value(QLatin1String("keyDefaults")).toObject();
        author = std::make_unique<TKeyAuthor>(authorOptions);
    }

    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QJsonObject o = keys.at(i).toObject();
        const int col = o.value(QLatin1String("col")).toInt();
        const int row = o.value(QLatin1String("row")).toInt();
        QByteArray record;
        try {
            if (IsAuthored(o)) {
                if (o.contains(QLatin1String("properties")))
                    Fail(QStringLiteral("give either \"key\" or \"properties\", not both."));
                if (!o.value(QLatin1String("key")).isObject())
                    Fail(QStringLiteral("\"key\" must be an object."));
                record = author->Record(o.value(QLatin1String("key")).toObject(), col, row);
            } else {
                if (author)
                    author->Skip();
                record = JsonToRecord(o);
            }
        } catch (const TError &e) {
            Fail(QStringLiteral("Key %1: %2").arg(i + 1).arg(e.Message()));
        }
        table.Keys.append(TTableKey{col, row, record});
    }

    QBuffer b;
    b.open(QIODevice::WriteOnly);
    if (keyFile) {
        QList<QByteArray> records;
        for (const TTableKey &key : table.Keys)
            records.append(key.Record);
        WriteKeyFile(&b, records);
        return b.data();
    }
    // The layout byte is kept as stored so that a dump rebuilds to the same bytes.
    WriteTableFile(&b, table);
    QByteArray bytes = b.data();
    if (!bytes.isEmpty())
        bytes[0] = char(table.Layout);
    return bytes;
}
