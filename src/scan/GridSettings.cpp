#include "GridSettings.h"

#include "Error.h"
#include "ScanStrings.h"

#include <QIODevice>
#include <QtEndian>

namespace {

template <typename T>
void Put(QByteArray &bytes, int offset, T value) {
    qToLittleEndian<T>(value, bytes.data() + offset);
}

template <typename T>
T Get(QByteArrayView bytes, int offset) {
    return qFromLittleEndian<T>(bytes.data() + offset);
}

} // namespace

QByteArray EncodeGridSettings(const TGridSettings &s) {
    QByteArray bytes(TGridSettings::Size, '\0');
    Put<qint32>(bytes, 0, s.Left);
    Put<qint32>(bytes, 4, s.Top);
    Put<qint32>(bytes, 8, s.Right);
    Put<qint32>(bytes, 12, s.Bottom);
    Put<quint8>(bytes, 16, s.Align);
    Put<qint32>(bytes, 20, s.iCol);
    Put<qint32>(bytes, 24, s.iRow);
    Put<qint32>(bytes, 28, s.nCol);
    Put<qint32>(bytes, 32, s.nRow);
    Put<quint8>(bytes, 36, s.Focusing ? 1 : 0);
    Put<quint8>(bytes, 37, s.Resizing ? 1 : 0);
    Put<quint32>(bytes, 40, s.SwCode1);
    Put<quint32>(bytes, 44, s.SwCode2);
    Put<qint32>(bytes, 48, s.SwTime);
    Put<quint32>(bytes, 52, s.CursorColor);
    Put<qint32>(bytes, 56, s.CursorWidth);
    Put<quint32>(bytes, 60, s.FocusColor);
    Put<qint32>(bytes, 64, s.FocusWidth);
    Put<quint32>(bytes, 68, s.GridColor);
    Put<qint32>(bytes, 72, s.GridWidth);
    Put<quint8>(bytes, 76, s.ScanModes);
    Put<quint8>(bytes, 77, s.PointByMouse ? 1 : 0);
    return bytes;
}

TGridSettings DecodeGridSettings(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() >= TGridSettings::Size);
    TGridSettings s;
    s.Left = Get<qint32>(bytes, 0);
    s.Top = Get<qint32>(bytes, 4);
    s.Right = Get<qint32>(bytes, 8);
    s.Bottom = Get<qint32>(bytes, 12);
    s.Align = Get<quint8>(bytes, 16);
    s.iCol = Get<qint32>(bytes, 20);
    s.iRow = Get<qint32>(bytes, 24);
    s.nCol = Get<qint32>(bytes, 28);
    s.nRow = Get<qint32>(bytes, 32);
    s.Focusing = Get<quint8>(bytes, 36) != 0;
    s.Resizing = Get<quint8>(bytes, 37) != 0;
    s.SwCode1 = Get<quint32>(bytes, 40);
    s.SwCode2 = Get<quint32>(bytes, 44);
    s.SwTime = Get<qint32>(bytes, 48);
    s.CursorColor = Get<quint32>(bytes, 52);
    s.CursorWidth = Get<qint32>(bytes, 56);
    s.FocusColor = Get<quint32>(bytes, 60);
    s.FocusWidth = Get<qint32>(bytes, 64);
    s.GridColor = Get<quint32>(bytes, 68);
    s.GridWidth = Get<qint32>(bytes, 72);
    s.ScanModes = Get<quint8>(bytes, 76);
    s.PointByMouse = Get<quint8>(bytes, 77) != 0;
    return s;
}

void WriteGridSettings(QIODevice *device, const TGridSettings &settings) {
    if (!device)
        return;
    if (device->write(EncodeGridSettings(settings)) != TGridSettings::Size)
        throw TError(ScanStrings::StreamWriteError);
}

std::optional<TGridSettings> ReadGridSettings(QIODevice *device) {
    if (!device)
        return std::nullopt;
    const QByteArray bytes = device->read(TGridSettings::Size);
    if (bytes.size() != TGridSettings::Size)
        throw TError(ScanStrings::StreamReadError);
    return DecodeGridSettings(bytes);
}
