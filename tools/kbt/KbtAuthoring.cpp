#include "KbtAuthoring.h"

#include "Error.h"
#include "Names.h"
#include "Picture.h"
#include "VxKey.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QMenu>
#include <cmath>

namespace {

[[noreturn]] void Fail(const QString &message) {
    throw TError(message);
}

QString Quoted(const QString &field) {
    return QLatin1Char('"') + field + QLatin1Char('"');
}

int ToInt(const QJsonValue &v, const QString &field) {
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d) || d < INT32_MIN || d > INT32_MAX)
        Fail(QStringLiteral("%1 must be an integer.").arg(Quoted(field)));
    return int(d);
}

QString ToText(const QJsonValue &v, const QString &field) {
    if (!v.isString())
        Fail(QStringLiteral("%1 must be a text.").arg(Quoted(field)));
    return v.toString();
}

// A colour as a number (0x00BBGGRR, system colours 0xFF0000nn) or by its name ("clSilver").
std::uint32_t ToColor(const QJsonValue &v, const QString &field) {
    if (v.isString()) {
        if (const auto color = ColorFromName(v.toString().toLatin1()))
            return *color;
        Fail(QStringLiteral("%1: no colour is named %2.").arg(Quoted(field), v.toString()));
    }
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d) || d < 0 || d > 0xFFFFFFFF)
        Fail(QStringLiteral("%1 must be a colour number or name.").arg(Quoted(field)));
    return std::uint32_t(d);
}

QList<QByteArray> ToNames(const QJsonValue &v, const QString &field) {
    if (!v.isArray())
        Fail(QStringLiteral("%1 must be a list of names.").arg(Quoted(field)));
    QList<QByteArray> names;
    for (const QJsonValue &e : v.toArray())
        names.append(ToText(e, field).toLatin1());
    return names;
}

TKeyFont ToFont(const QJsonObject &o, TKeyFont font) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString &name = it.key();
        const QString field = QStringLiteral("Font.") + name;
        if (name == QLatin1String("Name")) {
            font.Name = ToText(*it, field);
        } else if (name == QLatin1String("Height")) {
            font.Height = ToInt(*it, field);
        } else if (name == QLatin1String("Color")) {
            font.Color = ToColor(*it, field);
        } else if (name == QLatin1String("Charset")) {
            if (it->isString()) {
                const auto charset = CharsetFromName(it->toString().toLatin1());
                if (!charset)
                    Fail(QStringLiteral("%1: no charset is named %2.")
                             .arg(Quoted(field), it->toString()));
                font.Charset = *charset;
            } else {
                font.Charset = ToInt(*it, field);
            }
        } else if (name == QLatin1String("Pitch")) {
            const QString pitch = ToText(*it, field);
            if (pitch == QLatin1String("fpDefault"))
                font.Pitch = TKeyFont::fpDefault;
            else if (pitch == QLatin1String("fpVariable"))
                font.Pitch = TKeyFont::fpVariable;
            else if (pitch == QLatin1String("fpFixed"))
                font.Pitch = TKeyFont::fpFixed;
            else
                Fail(QStringLiteral("%1: unknown pitch %2.").arg(Quoted(field), pitch));
        } else if (name == QLatin1String("Style")) {
            TKeyFont::TFontStyles style;
            for (const QByteArray &element : ToNames(*it, field)) {
                if (element == "fsBold")
                    style |= TKeyFont::fsBold;
                else if (element == "fsItalic")
                    style |= TKeyFont::fsItalic;
                else if (element == "fsUnderline")
                    style |= TKeyFont::fsUnderline;
                else if (element == "fsStrikeOut")
                    style |= TKeyFont::fsStrikeOut;
                else
                    Fail(QStringLiteral("%1: unknown style %2.")
                             .arg(Quoted(field), QString::fromLatin1(element)));
            }
            font.Style = style;
        } else {
            Fail(QStringLiteral("Unknown field %1.").arg(Quoted(field)));
        }
    }
    return font;
}

// The key's own fields over the table's defaults; fonts are merged field by field.
QJsonObject Merge(const QJsonObject &defaults, const QJsonObject &own) {
    QJsonObject merged = defaults;
    for (auto it = own.begin(); it != own.end(); ++it) {
        if (it.key() == QLatin1String("Font") && it->isObject() &&
            merged.value(QLatin1String("Font")).isObject()) {
            QJsonObject font = merged.value(QLatin1String("Font")).toObject();
            const QJsonObject ownFont = it->toObject();
            for (auto f = ownFont.begin(); f != ownFont.end(); ++f)
                font.insert(f.key(), *f);
            merged.insert(it.key(), font);
        } else {
            merged.insert(it.key(), *it);
        }
    }
    return merged;
}

const QStringList KnownFields = {
    QStringLiteral("Left"),         QStringLiteral("Top"),          QStringLiteral("Width"),
    QStringLiteral("Height"),       QStringLiteral("Tag"),          QStringLiteral("Hint"),
    QStringLiteral("Enabled"),      QStringLiteral("TabStop"),      QStringLiteral("Symbol"),
    QStringLiteral("Status"),       QStringLiteral("Text"),         QStringLiteral("TextSh"),
    QStringLiteral("Font"),         QStringLiteral("BorderWidth"),  QStringLiteral("ColorSelected"),
    QStringLiteral("ColorFocused"), QStringLiteral("SpecKeyColor"), QStringLiteral("NormKeyColor"),
    QStringLiteral("SpecialKey"),   QStringLiteral("WavName"),      QStringLiteral("KbdName"),
    QStringLiteral("Aspect"),
};

} // namespace

TKeyAuthor::TKeyAuthor(TOptions options)
    : FOptions(std::move(options)) {
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        Fail(QStringLiteral("Keys in the authoring form need a widget application."));
    // The window, its key menu and the grid the keys live in, named as in the program, so that
    // every record carries the menu reference and the tab order the program writes.
    FForm = std::make_unique<QWidget>();
    FForm->setObjectName(QStringLiteral("Form1"));
    FPopup = new QMenu(FForm.get());
    FPopup->setObjectName(QStringLiteral("TablePopup"));
    FGrid = new QWidget(FForm.get());
    FGrid->setObjectName(QStringLiteral("TimeGrid1"));
}

TKeyAuthor::~TKeyAuthor() = default;

QRect TKeyAuthor::KeyRectInCell(QSize gridSize, int nCol, int nRow, int col, int row) {
    const double w = gridSize.width();
    const double h = gridSize.height();
    const int left = int(col * w / nCol);
    const int top = int(row * h / nRow);
    const int right = int((col + 1) * w / nCol);
    const int bottom = int((row + 1) * h / nRow);
    return QRect(left + 5, top + 5, right - left - 10, bottom - top - 10);
}

void TKeyAuthor::Skip() {
    new QWidget(FGrid);
}

QByteArray TKeyAuthor::Record(const QJsonObject &key, int col, int row) {
    auto *vxKey = new TVxKey(FGrid);
    Apply(*vxKey, Merge(FOptions.Defaults, key), col, row);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    vxKey->SaveToStream(&buffer);
    return buffer.data();
}

void TKeyAuthor::Apply(TVxKey &key, const QJsonObject &f, int col, int row) {
    for (auto it = f.begin(); it != f.end(); ++it) {
        if (!KnownFields.contains(it.key()))
            Fail(QStringLiteral("Unknown field %1.").arg(Quoted(it.key())));
    }
    const auto has = [&](const char *name) { return f.contains(QLatin1String(name)); };
    const auto get = [&](const char *name) { return f.value(QLatin1String(name)); };
    const auto integer = [&](const char *name) {
        return ToInt(get(name), QString::fromLatin1(name));
    };
    const auto text = [&](const char *name) {
        return ToText(get(name), QString::fromLatin1(name));
    };
    const auto color = [&](const char *name) {
        return ToColor(get(name), QString::fromLatin1(name));
    };
    const auto boolean = [&](const char *name) {
        if (!get(name).isBool())
            Fail(QStringLiteral("%1 must be true or false.").arg(Quoted(QLatin1String(name))));
        return get(name).toBool();
    };

    // A scanning table lays its keys out in their cells; the stored bounds are that cell's.
    if (FOptions.Scanning && FOptions.nCol > 0 && FOptions.nRow > 0)
        key.setGeometry(KeyRectInCell(FOptions.GridSize, FOptions.nCol, FOptions.nRow, col, row));
    if (has("Left"))
        key.SetLeft(integer("Left"));
    if (has("Top"))
        key.SetTop(integer("Top"));
    if (has("Width"))
        key.SetWidth(integer("Width"));
    if (has("Height"))
        key.SetHeight(integer("Height"));
    if (has("Tag"))
        key.SetTag(integer("Tag"));
    if (has("Hint"))
        key.SetHint(text("Hint"));
    if (has("Enabled"))
        key.SetEnabled(boolean("Enabled"));
    if (has("TabStop"))
        key.SetTabStop(boolean("TabStop"));
    if (has("Symbol")) {
        const QString name = text("Symbol");
        QString path;
        if (QFileInfo(name).isAbsolute()) {
            path = name;
        } else {
            for (const QString &dir : FOptions.SearchDirs) {
                if (QFileInfo::exists(QDir(dir).filePath(name))) {
                    path = QDir(dir).filePath(name);
                    break;
                }
            }
        }
        if (path.isEmpty() || !QFileInfo::exists(path))
            Fail(QStringLiteral("The picture %1 was not found (looked in %2).")
                     .arg(name, FOptions.SearchDirs.join(QStringLiteral(", "))));
        key.SetSymbol(TPicture::FromFile(path));
    }
    if (has("Status")) {
        const auto status = StatusFromNames(ToNames(get("Status"), QStringLiteral("Status")));
        if (!status)
            Fail(QStringLiteral("\"Status\" names an unknown option."));
        key.SetStatus(*status);
    }
    if (has("Text")) {
        // An empty text writes no entry, and the key would read back as a new key's "VxKey".
        if (text("Text").isEmpty())
            Fail(QStringLiteral("\"Text\" must not be empty: the key would read back as "
                                "\"VxKey\"."));
        key.SetText(text("Text"));
    }
    if (has("TextSh"))
        key.SetTextSh(text("TextSh"));
    if (has("Font")) {
        if (!get("Font").isObject())
            Fail(QStringLiteral("\"Font\" must be an object."));
        key.SetFont(ToFont(get("Font").toObject(), key.Font()));
    }
    if (has("BorderWidth"))
        key.SetBorderWidth(integer("BorderWidth"));
    if (has("ColorSelected"))
        key.SetColorSelected(color("ColorSelected"));
    if (has("ColorFocused"))
        key.SetColorFocused(color("ColorFocused"));
    key.SetPopupMenu(FPopup);
    // The face colours before the kind, whose setter picks one of them.
    if (has("SpecKeyColor"))
        key.SetSpecKeyColor(color("SpecKeyColor"));
    if (has("NormKeyColor"))
        key.SetNormKeyColor(color("NormKeyColor"));
    if (has("SpecialKey")) {
        const auto kind = SpecialKeyFromIdent(text("SpecialKey").toLatin1());
        if (!kind)
            Fail(QStringLiteral("\"SpecialKey\": no special key is named %1.")
                     .arg(text("SpecialKey")));
        key.SetSpecialKey(*kind);
    }
    if (has("WavName"))
        key.SetWavName(text("WavName"));
    if (has("KbdName"))
        key.SetKbdName(text("KbdName"));
    if (has("Aspect")) {
        if (!get("Aspect").isDouble())
            Fail(QStringLiteral("\"Aspect\" must be a number."));
        key.SetAspect(get("Aspect").toDouble());
    }
}
