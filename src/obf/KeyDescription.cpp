#include "KeyDescription.h"

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "SpecialKey.h"
#include "StreamError.h"

#include <QBuffer>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char *, 3> StatusOrder = {"vxoEdit", "vxo3Deffect", "vxoSendClick"};
constexpr std::array<const char *, 4> StyleOrder = {"fsBold", "fsItalic", "fsUnderline",
                                                    "fsStrikeOut"};
constexpr std::array<const char *, 2> PitchNames = {"fpVariable", "fpFixed"};
constexpr std::array<const char *, 2> HelpTypeNames = {"htKeyword", "htContext"};

template <std::size_t N>
QByteArray Canonical(const std::array<const char *, N> &names, const QByteArray &name) {
    for (const char *known : names) {
        if (name.compare(QByteArrayView(known), Qt::CaseInsensitive) == 0)
            return QByteArray(known);
    }
    return QByteArray();
}

// Set elements in ordinal order, as the key writes them; an unknown element fails the read.
template <std::size_t N>
QList<QByteArray> Ordered(const std::array<const char *, N> &order, const QList<QByteArray> &set,
                          const char *property) {
    QList<QByteArray> known;
    for (const QByteArray &element : set) {
        const QByteArray name = Canonical(order, element);
        if (name.isEmpty())
            throw TStreamError(QStringLiteral("The value %1 does not fit the property %2.")
                                   .arg(QString::fromLatin1(element), QLatin1String(property)));
        known.append(name);
    }
    QList<QByteArray> result;
    for (const char *name : order) {
        if (known.contains(QByteArray(name)))
            result.append(QByteArray(name));
    }
    return result;
}

std::int32_t HeightFromPoints(qint32 size) {
    const qint64 scaled = qint64(size) * 96;
    const qint64 pixels = scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72;
    return std::int32_t(-std::clamp<qint64>(pixels, -0x7FFFFFFF, 0x7FFFFFFF));
}

} // namespace

int SpecialKeyOrdinal(const QByteArray &ident) {
    for (int i = 0; i < SpecialKeyCount; ++i) {
        if (ident.compare(QByteArrayView(SpecialKeyIdents[std::size_t(i)]), Qt::CaseInsensitive) ==
            0)
            return i;
    }
    return -1;
}

QByteArray SpecialKeyIdent(int ordinal) {
    if (ordinal < 0 || ordinal >= SpecialKeyCount)
        return QByteArray();
    return QByteArray(SpecialKeyIdents[std::size_t(ordinal)]);
}

void TKeyDescription::SetFaceColor(std::uint32_t color) {
    if (SpecialKey != 0)
        SpecKeyColor = color;
    else
        NormKeyColor = color;
}

QByteArray TKeyDescription::ToRecord() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TComponentWriter writer(&buffer);
    const auto entry = [&](const char *name) { writer.WritePropertyName(QByteArray(name)); };

    writer.WritePrefix(QByteArrayLiteral("TVxKey"), QByteArray());
    if (Tag != 0) {
        entry("Tag");
        writer.WriteInteger(Tag);
    }
    entry("Left");
    writer.WriteInteger(Left);
    entry("Top");
    writer.WriteInteger(Top);
    entry("Width");
    writer.WriteInteger(Width);
    entry("Height");
    writer.WriteInteger(Height);
    if (Cursor != 0) {
        entry("Cursor");
        writer.WriteInteger(Cursor);
    }
    if (!Hint.isEmpty()) {
        entry("Hint");
        writer.WriteString(Hint);
    }
    if (!HelpType.isEmpty() && HelpType != "htContext") {
        entry("HelpType");
        writer.WriteIdent(HelpType);
    }
    if (!HelpKeyword.isEmpty()) {
        entry("HelpKeyword");
        writer.WriteString(HelpKeyword);
    }
    if (HelpContext != 0) {
        entry("HelpContext");
        writer.WriteInteger(HelpContext);
    }
    if (!Enabled) {
        entry("Enabled");
        writer.WriteBoolean(false);
    }
    if (TabOrder != -1) {
        entry("TabOrder");
        writer.WriteInteger(TabOrder);
    }
    if (TabStop) {
        entry("TabStop");
        writer.WriteBoolean(true);
    }
    if (!SymbolData.isEmpty()) {
        entry("Symbol.Data");
        writer.WriteBinary(SymbolData);
    }
    entry("Status");
    writer.WriteSet(Status);
    if (!Text.isEmpty()) {
        entry("Text");
        writer.WriteString(Text);
    }
    if (!TextSh.isEmpty()) {
        entry("TextSh");
        writer.WriteString(TextSh);
    }
    entry("Font.Charset");
    writer.WriteCharset(FontCharset);
    entry("Font.Color");
    writer.WriteColor(FontColor);
    entry("Font.Height");
    writer.WriteInteger(FontHeight);
    if (!FontName.isEmpty()) {
        entry("Font.Name");
        writer.WriteString(FontName);
    }
    if (!FontPitch.isEmpty() && FontPitch != "fpDefault") {
        entry("Font.Pitch");
        writer.WriteIdent(FontPitch);
    }
    entry("Font.Style");
    writer.WriteSet(FontStyle);
    entry("BorderWidth");
    writer.WriteInteger(BorderWidth);
    entry("ColorSelected");
    writer.WriteColor(ColorSelected);
    entry("ColorFocused");
    writer.WriteColor(ColorFocused);
    entry("Selected");
    writer.WriteBoolean(false);
    entry("Active");
    writer.WriteBoolean(false);
    if (!PopupMenu.isEmpty()) {
        entry("PopupMenu");
        writer.WriteIdent(PopupMenu);
    }
    entry("SpecKeyColor");
    writer.WriteColor(SpecKeyColor);
    entry("NormKeyColor");
    writer.WriteColor(NormKeyColor);
    const int kind = std::clamp(SpecialKey, 0, SpecialKeyCount - 1);
    entry("SpecialCode");
    writer.WriteInteger(SpecialCodes[std::size_t(kind)]);
    entry("SpecialKey");
    writer.WriteIdent(SpecialKeyIdent(kind));
    if (!WavName.isEmpty()) {
        entry("WavName");
        writer.WriteString(WavName);
    }
    if (!KbdName.isEmpty()) {
        entry("KbdName");
        writer.WriteString(KbdName);
    }
    if (Aspect != 0) {
        entry("Aspect");
        writer.WriteExtended(Aspect);
    }
    writer.WriteEndOfList();
    writer.WriteEndOfList();
    return buffer.data();
}

TKeyDescription TKeyDescription::FromRecord(const QByteArray &record) {
    TComponentReader reader(record);
    reader.ReadPrefix();
    TKeyDescription k;
    k.PopupMenu.clear(); // a record without the entry names no menu
    while (!reader.EndOfList()) {
        const QByteArray name = reader.ReadPropertyName();
        const auto is = [&](const char *property) {
            return name.compare(QByteArrayView(property), Qt::CaseInsensitive) == 0;
        };
        const auto invalid = [&](const QByteArray &value) {
            return TStreamError(QStringLiteral("The value %1 does not fit the property %2.")
                                    .arg(QString::fromLatin1(value), QString::fromLatin1(name)));
        };
        if (is("Tag")) {
            k.Tag = reader.ReadInteger();
        } else if (is("Left")) {
            k.Left = reader.ReadInteger();
        } else if (is("Top")) {
            k.Top = reader.ReadInteger();
        } else if (is("Width")) {
            k.Width = reader.ReadInteger();
        } else if (is("Height")) {
            k.Height = reader.ReadInteger();
        } else if (is("Cursor")) {
            k.Cursor = reader.ReadInteger();
        } else if (is("Hint")) {
            k.Hint = reader.ReadString();
        } else if (is("HelpType")) {
            const QByteArray ident = reader.ReadIdent();
            k.HelpType = Canonical(HelpTypeNames, ident);
            if (k.HelpType.isEmpty())
                throw invalid(ident);
        } else if (is("HelpKeyword")) {
            k.HelpKeyword = reader.ReadString();
        } else if (is("HelpContext")) {
            k.HelpContext = reader.ReadInteger();
        } else if (is("Enabled")) {
            k.Enabled = reader.ReadBoolean();
        } else if (is("TabOrder")) {
            k.TabOrder = reader.ReadInteger();
        } else if (is("TabStop")) {
            k.TabStop = reader.ReadBoolean();
        } else if (is("Symbol.Data")) {
            k.SymbolData = reader.ReadBinary();
        } else if (is("Status")) {
            k.Status = Ordered(StatusOrder, reader.ReadSet(), "Status");
        } else if (is("Text")) {
            k.Text = reader.ReadString();
        } else if (is("TextSh")) {
            k.TextSh = reader.ReadString();
        } else if (is("Font.Charset")) {
            k.FontCharset = reader.ReadCharset();
        } else if (is("Font.Color")) {
            k.FontColor = reader.ReadColor();
        } else if (is("Font.Height")) {
            k.FontHeight = reader.ReadInteger();
        } else if (is("Font.Size")) {
            k.FontHeight = HeightFromPoints(reader.ReadInteger());
        } else if (is("Font.Name")) {
            k.FontName = reader.ReadString();
        } else if (is("Font.Pitch")) {
            const QByteArray ident = reader.ReadIdent();
            if (ident.compare("fpDefault", Qt::CaseInsensitive) == 0) {
                k.FontPitch.clear();
            } else {
                k.FontPitch = Canonical(PitchNames, ident);
                if (k.FontPitch.isEmpty())
                    throw invalid(ident);
            }
        } else if (is("Font.Style")) {
            k.FontStyle = Ordered(StyleOrder, reader.ReadSet(), "Font.Style");
        } else if (is("BorderWidth")) {
            k.BorderWidth = reader.ReadInteger();
        } else if (is("ColorSelected")) {
            k.ColorSelected = reader.ReadColor();
        } else if (is("ColorFocused")) {
            k.ColorFocused = reader.ReadColor();
        } else if (is("Selected") || is("Active")) {
            (void)reader.ReadBoolean(); // a loaded key is never selected nor active
        } else if (is("PopupMenu")) {
            k.PopupMenu = reader.ReadIdent();
        } else if (is("SpecKeyColor")) {
            k.SpecKeyColor = reader.ReadColor();
        } else if (is("NormKeyColor")) {
            k.NormKeyColor = reader.ReadColor();
        } else if (is("SpecialCode")) {
            (void)reader.ReadInteger(); // always follows from the kind
        } else if (is("SpecialKey")) {
            const QByteArray ident = reader.ReadIdent();
            k.SpecialKey = SpecialKeyOrdinal(ident);
            if (k.SpecialKey < 0)
                throw invalid(ident);
        } else if (is("WavName")) {
            k.WavName = reader.ReadString();
        } else if (is("KbdName")) {
            k.KbdName = reader.ReadString();
        } else if (is("Aspect")) {
            k.Aspect = reader.ReadExtended();
        } else {
            throw TStreamError(
                QStringLiteral("The key has no property %1.").arg(QString::fromLatin1(name)));
        }
    }
    if (!reader.EndOfList())
        throw TStreamError(QStringLiteral("A key record holds child components."));
    return k;
}
