#include "VxKey.h"

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "KeyStrings.h"
#include "Limits.h"
#include "Names.h"
#include "StreamError.h"

#include <QMenu>
#include <algorithm>
#include <array>

namespace {

const QByteArray ClassName = QByteArrayLiteral("TVxKey");

struct TIdent {
    int Value;
    const char *Name;
};

constexpr std::array<TIdent, 3> PitchNames = {{
    {TKeyFont::fpDefault, "fpDefault"},
    {TKeyFont::fpVariable, "fpVariable"},
    {TKeyFont::fpFixed, "fpFixed"},
}};

constexpr std::array<TIdent, 4> StyleNames = {{
    {TKeyFont::fsBold, "fsBold"},
    {TKeyFont::fsItalic, "fsItalic"},
    {TKeyFont::fsUnderline, "fsUnderline"},
    {TKeyFont::fsStrikeOut, "fsStrikeOut"},
}};

constexpr std::array<TIdent, 2> HelpTypeNames = {{
    {TVxKey::htKeyword, "htKeyword"},
    {TVxKey::htContext, "htContext"},
}};

template <std::size_t N>
std::optional<int> FindIdent(const std::array<TIdent, N> &names, const QByteArray &name) {
    for (const TIdent &entry : names) {
        if (SameName(name, entry.Name))
            return entry.Value;
    }
    return std::nullopt;
}

template <std::size_t N>
QByteArray IdentOf(const std::array<TIdent, N> &names, int value) {
    for (const TIdent &entry : names) {
        if (entry.Value == value)
            return QByteArray(entry.Name);
    }
    return QByteArray();
}

// Positions, sizes and the border are refused beyond the limits: the window system cannot show
// them, and sums of them would overflow.
qint32 Bounded(qint32 value, qint32 low, qint32 high, const char *property) {
    if (value < low || value > high)
        throw TStreamError(KeyStrings::OutOfRange(QString::fromLatin1(property), value, low, high),
                           TFault::Geometry);
    return value;
}

QString Limited(const QString &text, const QByteArray &property) {
    if (text.size() > Limits::MaxKeyText)
        throw TStreamError(
            KeyStrings::TextTooLong(QString::fromLatin1(property), text.size(), Limits::MaxKeyText),
            TFault::TextTooLong);
    return text;
}

[[noreturn]] void InvalidValue(const QByteArray &property, const QByteArray &value) {
    throw TStreamError(
        KeyStrings::InvalidValue(QString::fromLatin1(property), QString::fromLatin1(value)));
}

// Points to 96-dpi pixels as the toolkit rounds them (half away from zero), kept in range.
std::int32_t HeightFromPoints(qint32 size) {
    const qint64 scaled = qint64(size) * 96;
    const qint64 pixels = scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72;
    return std::int32_t(-std::clamp<qint64>(pixels, -0x7FFFFFFF, 0x7FFFFFFF));
}

} // namespace

std::unique_ptr<TVxKey> TVxKey::CreateFromStream(QWidget *parent, QIODevice *device,
                                                 const TMenuResolver &resolveMenu) {
    TComponentReader reader(device);
    return CreateFromStream(parent, reader, resolveMenu);
}

std::unique_ptr<TVxKey> TVxKey::CreateFromStream(QWidget *parent, TComponentReader &reader,
                                                 const TMenuResolver &resolveMenu) {
    auto key = std::make_unique<TVxKey>(parent);
    const TComponentReader::TPrefix prefix = reader.ReadPrefix();
    key->setObjectName(QString::fromLatin1(prefix.Name));
    QByteArray name;
    while (!reader.EndOfList()) {
        reader.ReadPropertyName(name);
        key->ReadProperty(reader, name, resolveMenu);
    }
    if (!reader.EndOfList())
        throw TStreamError(KeyStrings::UnexpectedChild());
    // The font's properties are gathered first and given to the widget once.
    key->SetFont(key->FFont);
    key->SetSelected(false);
    key->SetActive(false);
    return key;
}

void TVxKey::ReadProperty(TComponentReader &reader, const QByteArray &name,
                          const TMenuResolver &resolveMenu) {
    // The names' lengths are known when the program is built; other lengths are passed over.
    const auto is = [&]<std::size_t N>(const char(&property)[N]) {
        return SameName(name, QByteArrayView(property, N - 1));
    };
    if (is("Tag")) {
        SetTag(reader.ReadInteger());
    } else if (is("Left")) {
        SetLeft(Bounded(reader.ReadInteger(), Limits::MinKeyCoordinate, Limits::MaxKeyCoordinate,
                        "Left"));
    } else if (is("Top")) {
        SetTop(Bounded(reader.ReadInteger(), Limits::MinKeyCoordinate, Limits::MaxKeyCoordinate,
                       "Top"));
    } else if (is("Width")) {
        SetWidth(Bounded(reader.ReadInteger(), 0, Limits::MaxKeySize, "Width"));
    } else if (is("Height")) {
        SetHeight(Bounded(reader.ReadInteger(), 0, Limits::MaxKeySize, "Height"));
    } else if (is("Cursor")) {
        SetCursor(reader.ReadInteger());
    } else if (is("Hint")) {
        SetHint(Limited(reader.ReadString(), name));
    } else if (is("HelpType")) {
        const QByteArray ident = reader.ReadIdent();
        const auto type = FindIdent(HelpTypeNames, ident);
        if (!type)
            InvalidValue(name, ident);
        SetHelpType(THelpType(*type));
    } else if (is("HelpKeyword")) {
        SetHelpKeyword(Limited(reader.ReadString(), name));
    } else if (is("HelpContext")) {
        SetHelpContext(reader.ReadInteger());
    } else if (is("Enabled")) {
        SetEnabled(reader.ReadBoolean());
    } else if (is("TabOrder")) {
        // The order among the parent's controls follows the order in which keys are created.
        (void)reader.ReadInteger();
    } else if (is("TabStop")) {
        SetTabStop(reader.ReadBoolean());
    } else if (is("Symbol.Data")) {
        const QByteArray data = reader.ReadBinary();
        try {
            SetSymbol(TPicture::FromSymbolData(data));
        } catch (const TStreamError &) {
            throw;
        } catch (const TError &error) {
            throw TStreamError(KeyStrings::BadSymbol(error.Message()),
                               error.Fault() == TFault::None ? TFault::Picture : error.Fault());
        }
    } else if (is("Status")) {
        const QList<QByteArray> names = reader.ReadSet();
        const auto status = StatusFromNames(names);
        if (!status)
            InvalidValue(name, names.join(','));
        SetStatus(*status);
    } else if (is("Text")) {
        SetText(Limited(reader.ReadString(), name));
    } else if (is("TextSh")) {
        SetTextSh(Limited(reader.ReadString(), name));
    } else if (is("Font.Charset")) {
        FFont.Charset = reader.ReadCharset();
    } else if (is("Font.Color")) {
        FFont.Color = reader.ReadColor();
    } else if (is("Font.Height")) {
        FFont.Height = reader.ReadInteger();
    } else if (is("Font.Size")) {
        FFont.Height = HeightFromPoints(reader.ReadInteger());
    } else if (is("Font.Name")) {
        FFont.Name = Limited(reader.ReadString(), name);
    } else if (is("Font.Pitch")) {
        const QByteArray ident = reader.ReadIdent();
        const auto pitch = FindIdent(PitchNames, ident);
        if (!pitch)
            InvalidValue(name, ident);
        FFont.Pitch = TKeyFont::TPitch(*pitch);
    } else if (is("Font.Style")) {
        TKeyFont::TFontStyles style;
        const QList<QByteArray> names = reader.ReadSet();
        for (const QByteArray &element : names) {
            const auto flag = FindIdent(StyleNames, element);
            if (!flag)
                InvalidValue(name, element);
            style |= TKeyFont::TFontStyle(*flag);
        }
        FFont.Style = style;
    } else if (is("BorderWidth")) {
        SetBorderWidth(Bounded(reader.ReadInteger(), -Limits::MaxKeyBorder, Limits::MaxKeyBorder,
                               "BorderWidth"));
    } else if (is("ColorSelected")) {
        SetColorSelected(reader.ReadColor());
    } else if (is("ColorFocused")) {
        SetColorFocused(reader.ReadColor());
    } else if (is("Selected")) {
        SetSelected(reader.ReadBoolean());
    } else if (is("Active")) {
        SetActive(reader.ReadBoolean());
    } else if (is("PopupMenu")) {
        // A menu that cannot be found is dropped; the loaders attach the window's menu anyway.
        const QByteArray menuName = reader.ReadIdent();
        SetPopupMenu(resolveMenu ? resolveMenu(menuName) : nullptr);
    } else if (is("SpecKeyColor")) {
        SetSpecKeyColor(reader.ReadColor());
    } else if (is("NormKeyColor")) {
        SetNormKeyColor(reader.ReadColor());
    } else if (is("SpecialCode")) {
        SetSpecialCode(reader.ReadInteger());
    } else if (is("SpecialKey")) {
        const QByteArray ident = reader.ReadIdent();
        const auto kind = SpecialKeyFromIdent(ident);
        if (!kind)
            InvalidValue(name, ident);
        SetSpecialKey(*kind);
    } else if (is("WavName")) {
        SetWavName(Limited(reader.ReadString(), name));
    } else if (is("KbdName")) {
        SetKbdName(Limited(reader.ReadString(), name));
    } else if (is("Aspect")) {
        SetAspect(reader.ReadExtended());
    } else {
        throw TStreamError(KeyStrings::UnknownProperty(QString::fromLatin1(name)));
    }
}

void TVxKey::SaveToStream(QIODevice *device) const {
    TComponentWriter writer(device);
    const auto entry = [&](const char *name) { writer.WritePropertyName(QByteArray(name)); };

    writer.WritePrefix(ClassName, objectName().toLatin1());
    if (FTag != 0) {
        entry("Tag");
        writer.WriteInteger(FTag);
    }
    entry("Left");
    writer.WriteInteger(Left());
    entry("Top");
    writer.WriteInteger(Top());
    entry("Width");
    writer.WriteInteger(Width());
    entry("Height");
    writer.WriteInteger(Height());
    if (FCursor != 0) {
        entry("Cursor");
        writer.WriteInteger(FCursor);
    }
    if (!Hint().isEmpty()) {
        entry("Hint");
        writer.WriteString(Hint());
    }
    if (FHelpType != htContext) {
        entry("HelpType");
        writer.WriteIdent(IdentOf(HelpTypeNames, FHelpType));
    }
    if (!FHelpKeyword.isEmpty()) {
        entry("HelpKeyword");
        writer.WriteString(FHelpKeyword);
    }
    if (FHelpContext != 0) {
        entry("HelpContext");
        writer.WriteInteger(FHelpContext);
    }
    if (!Enabled()) {
        entry("Enabled");
        writer.WriteBoolean(false);
    }
    if (const int tabOrder = TabOrder(); tabOrder != -1) {
        entry("TabOrder");
        writer.WriteInteger(tabOrder);
    }
    if (FTabStop) {
        entry("TabStop");
        writer.WriteBoolean(true);
    }
    if (!FSymbol.IsEmpty()) {
        entry("Symbol.Data");
        writer.WriteBinary(FSymbol.ToSymbolData());
    }
    entry("Status");
    writer.WriteSet(StatusNames(FStatus));
    if (!FText.isEmpty()) {
        entry("Text");
        writer.WriteString(FText);
    }
    if (!FTextSh.isEmpty()) {
        entry("TextSh");
        writer.WriteString(FTextSh);
    }
    entry("Font.Charset");
    writer.WriteCharset(FFont.Charset);
    entry("Font.Color");
    writer.WriteColor(FFont.Color);
    entry("Font.Height");
    writer.WriteInteger(FFont.Height);
    if (!FFont.Name.isEmpty()) {
        entry("Font.Name");
        writer.WriteString(FFont.Name);
    }
    if (FFont.Pitch != TKeyFont::fpDefault) {
        entry("Font.Pitch");
        writer.WriteIdent(IdentOf(PitchNames, FFont.Pitch));
    }
    entry("Font.Style");
    QList<QByteArray> style;
    for (const TIdent &element : StyleNames) {
        if (FFont.Style.testFlag(TKeyFont::TFontStyle(element.Value)))
            style.append(QByteArray(element.Name));
    }
    writer.WriteSet(style);
    entry("BorderWidth");
    writer.WriteInteger(FBorderWidth);
    entry("ColorSelected");
    writer.WriteColor(FColorSelected);
    entry("ColorFocused");
    writer.WriteColor(FColorFocused);
    entry("Selected");
    writer.WriteBoolean(FSelected);
    entry("Active");
    writer.WriteBoolean(FActive);
    if (const QByteArray menuName = PopupMenuName(FPopupMenu); !menuName.isEmpty()) {
        entry("PopupMenu");
        writer.WriteIdent(menuName);
    }
    entry("SpecKeyColor");
    writer.WriteColor(FSpecKeyColor);
    entry("NormKeyColor");
    writer.WriteColor(FNormKeyColor);
    entry("SpecialCode");
    writer.WriteInteger(SpecialCode());
    entry("SpecialKey");
    writer.WriteIdent(QByteArray(SpecialKeyIdents[std::size_t(FSpecialKey)]));
    if (!FWavName.isEmpty()) {
        entry("WavName");
        writer.WriteString(FWavName);
    }
    if (!FKbdName.isEmpty()) {
        entry("KbdName");
        writer.WriteString(FKbdName);
    }
    if (FAspect != 0) {
        entry("Aspect");
        writer.WriteExtended(FAspect);
    }
    writer.WriteEndOfList();
    writer.WriteEndOfList();
}
