#include "ObfKeyExt.h"

#include "Names.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

QJsonValue Color(std::uint32_t color) {
    if (const auto name = ColorName(color))
        return QString::fromLatin1(*name);
    return double(color);
}

std::optional<std::uint32_t> ToColor(const QJsonValue &v) {
    if (v.isString())
        return ColorFromName(v.toString().toLatin1());
    const double d = v.toDouble(-1);
    if (v.isDouble() && d == std::floor(d) && d >= 0 && d <= 0xFFFFFFFF)
        return std::uint32_t(d);
    return std::nullopt;
}

QJsonArray Names(const QList<QByteArray> &names) {
    QJsonArray array;
    for (const QByteArray &n : names)
        array.append(QString::fromLatin1(n));
    return array;
}

QList<QByteArray> ToNames(const QJsonValue &v, const QList<QByteArray> &allowed) {
    QList<QByteArray> names;
    for (const QByteArray &name : allowed) {
        if (v.toArray().contains(QString::fromLatin1(name)))
            names.append(name);
    }
    return names;
}

constexpr qint32 MaxPlace = 10000; // pixels

const QList<QByteArray> StatusNames = {"vxoEdit", "vxo3Deffect", "vxoSendClick"};
const QList<QByteArray> StyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

} // namespace

QJsonObject KeyExtJson(const TKeyDescription &k) {
    const TKeyDescription d;
    QJsonObject o;
    const auto integer = [&](const char *name, qint32 value, qint32 def) {
        if (value != def)
            o.insert(QLatin1String(name), value);
    };
    const auto text = [&](const char *name, const QString &value, const QString &def) {
        if (value != def)
            o.insert(QLatin1String(name), value);
    };
    const auto color = [&](const char *name, std::uint32_t value, std::uint32_t def) {
        if (value != def)
            o.insert(QLatin1String(name), Color(value));
    };
    integer("Tag", k.Tag, d.Tag);
    // The place always: a key without it would be put into its cell, which may differ.
    o.insert(QLatin1String("Left"), k.Left);
    o.insert(QLatin1String("Top"), k.Top);
    o.insert(QLatin1String("Width"), k.Width);
    o.insert(QLatin1String("Height"), k.Height);
    integer("Cursor", k.Cursor, d.Cursor);
    text("Hint", k.Hint, d.Hint);
    text("HelpType", QString::fromLatin1(k.HelpType), QString());
    text("HelpKeyword", k.HelpKeyword, d.HelpKeyword);
    integer("HelpContext", k.HelpContext, d.HelpContext);
    if (!k.Enabled)
        o.insert(QLatin1String("Enabled"), false);
    if (k.TabStop)
        o.insert(QLatin1String("TabStop"), true);
    if (k.Status != d.Status)
        o.insert(QLatin1String("Status"), Names(k.Status));
    text("TextSh", k.TextSh, d.TextSh);
    QJsonObject font;
    if (k.FontCharset != d.FontCharset)
        font.insert(QLatin1String("Charset"), k.FontCharset);
    if (k.FontColor != d.FontColor)
        font.insert(QLatin1String("Color"), Color(k.FontColor));
    if (k.FontHeight != d.FontHeight)
        font.insert(QLatin1String("Height"), k.FontHeight);
    if (k.FontName != d.FontName)
        font.insert(QLatin1String("Name"), k.FontName);
    if (!k.FontPitch.isEmpty())
        font.insert(QLatin1String("Pitch"), QString::fromLatin1(k.FontPitch));
    if (!k.FontStyle.isEmpty())
        font.insert(QLatin1String("Style"), Names(k.FontStyle));
    if (!font.isEmpty())
        o.insert(QLatin1String("Font"), font);
    integer("BorderWidth", k.BorderWidth, d.BorderWidth);
    color("ColorSelected", k.ColorSelected, d.ColorSelected);
    color("ColorFocused", k.ColorFocused, d.ColorFocused);
    text("PopupMenu", QString::fromLatin1(k.PopupMenu), QString::fromLatin1(d.PopupMenu));
    color("SpecKeyColor", k.SpecKeyColor, d.SpecKeyColor);
    color("NormKeyColor", k.NormKeyColor, d.NormKeyColor);
    if (k.Aspect != 0)
        o.insert(QLatin1String("Aspect"), k.Aspect);
    return o;
}

void ApplyKeyExt(TKeyDescription &k, const QJsonObject &o) {
    const auto integer = [&](const char *name, qint32 &field) {
        const QJsonValue v = o.value(QLatin1String(name));
        const double d = v.toDouble();
        if (v.isDouble() && d == std::floor(d) && d >= INT32_MIN && d <= INT32_MAX)
            field = qint32(d);
    };
    const auto text = [&](const char *name, QString &field) {
        if (const QJsonValue v = o.value(QLatin1String(name)); v.isString())
            field = v.toString();
    };
    const auto color = [&](const char *name, std::uint32_t &field) {
        if (const auto c = ToColor(o.value(QLatin1String(name))))
            field = *c;
    };
    integer("Tag", k.Tag);
    integer("Left", k.Left);
    integer("Top", k.Top);
    integer("Width", k.Width);
    integer("Height", k.Height);
    // A board from elsewhere must not make keys no screen can hold.
    k.Left = std::clamp(k.Left, -MaxPlace, MaxPlace);
    k.Top = std::clamp(k.Top, -MaxPlace, MaxPlace);
    k.Width = std::clamp(k.Width, 0, MaxPlace);
    k.Height = std::clamp(k.Height, 0, MaxPlace);
    integer("Cursor", k.Cursor);
    text("Hint", k.Hint);
    if (const QString type = o.value(QLatin1String("HelpType")).toString();
        type == QLatin1String("htKeyword"))
        k.HelpType = type.toLatin1();
    text("HelpKeyword", k.HelpKeyword);
    integer("HelpContext", k.HelpContext);
    if (o.value(QLatin1String("Enabled")).isBool())
        k.Enabled = o.value(QLatin1String("Enabled")).toBool();
    if (o.value(QLatin1String("TabStop")).isBool())
        k.TabStop = o.value(QLatin1String("TabStop")).toBool();
    if (o.value(QLatin1String("Status")).isArray())
        k.Status = ToNames(o.value(QLatin1String("Status")), StatusNames);
    text("TextSh", k.TextSh);
    const QJsonObject font = o.value(QLatin1String("Font")).toObject();
    if (const QJsonValue v = font.value(QLatin1String("Charset")); v.isDouble())
        k.FontCharset = v.toInt(k.FontCharset);
    if (const auto c = ToColor(font.value(QLatin1String("Color"))))
        k.FontColor = *c;
    if (const QJsonValue v = font.value(QLatin1String("Height")); v.isDouble())
        k.FontHeight = v.toInt(k.FontHeight);
    if (const QJsonValue v = font.value(QLatin1String("Name")); v.isString())
        k.FontName = v.toString();
    if (const QString pitch = font.value(QLatin1String("Pitch")).toString();
        pitch == QLatin1String("fpVariable") || pitch == QLatin1String("fpFixed"))
        k.FontPitch = pitch.toLatin1();
    if (font.value(QLatin1String("Style")).isArray())
        k.FontStyle = ToNames(font.value(QLatin1String("Style")), StyleNames);
    integer("BorderWidth", k.BorderWidth);
    color("ColorSelected", k.ColorSelected);
    color("ColorFocused", k.ColorFocused);
    if (const QJsonValue v = o.value(QLatin1String("PopupMenu"));
        v.isString() && v.toString().size() < 256)
        k.PopupMenu = v.toString().toLatin1();
    color("SpecKeyColor", k.SpecKeyColor);
    color("NormKeyColor", k.NormKeyColor);
    text("WavName", k.WavName);
    text("KbdName", k.KbdName);
    if (const QJsonValue v = o.value(QLatin1String("Aspect"));
        v.isDouble() && std::isfinite(v.toDouble()))
        k.Aspect = v.toDouble();
}
