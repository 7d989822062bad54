#include "ObfBoard.h"

#include "Error.h"
#include "ObfLimits.h"
#include "TText.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

QString Text(const QJsonObject &o, const char *name) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (v.isString())
        return v.toString();
    if (v.isDouble())
        return IdText(v);
    return QString();
}

bool IsNumber(const QJsonValue &v) {
    return v.isDouble() && std::isfinite(v.toDouble());
}

TObfLink ParseLink(const QJsonObject &o) {
    TObfLink link;
    link.Id = IdText(o.value(QLatin1String("id")));
    link.Name = Text(o, "name");
    link.Path = Text(o, "path");
    link.Url = Text(o, "url");
    if (link.Url.isEmpty())
        link.Url = Text(o, "data_url");
    link.ExtTable = Text(o, "ext_orvanta_table");
    return link;
}

TObfButton ParseButton(const QJsonObject &o, QStringList &notes) {
    TObfButton b;
    b.Id = IdText(o.value(QLatin1String("id")));
    b.Label = Text(o, "label");
    if (o.value(QLatin1String("vocalization")).isString())
        b.Vocalization = o.value(QLatin1String("vocalization")).toString();
    b.ImageId = IdText(o.value(QLatin1String("image_id")));
    b.SoundId = IdText(o.value(QLatin1String("sound_id")));
    if (const QJsonValue c = o.value(QLatin1String("background_color")); c.isString()) {
        b.Background = ParseCssColor(c.toString());
        if (!b.Background)
            notes.append(TText("ObfBoard", "tlačítko \"%1\": neznámá barva \"%2\"")
                             .arg(b.Label, c.toString()));
    }
    b.Hidden = o.value(QLatin1String("hidden")).toBool(false);
    if (const QJsonValue a = o.value(QLatin1String("action")); a.isString())
        b.Actions.append(a.toString());
    for (const QJsonValue a : o.value(QLatin1String("actions")).toArray()) {
        if (a.isString())
            b.Actions.append(a.toString());
    }
    if (const QJsonValue link = o.value(QLatin1String("load_board")); link.isObject())
        b.LoadBoard = ParseLink(link.toObject());
    const QJsonValue top = o.value(QLatin1String("top"));
    const QJsonValue left = o.value(QLatin1String("left"));
    const QJsonValue width = o.value(QLatin1String("width"));
    const QJsonValue height = o.value(QLatin1String("height"));
    if (IsNumber(top) && IsNumber(left) && IsNumber(width) && IsNumber(height)) {
        b.Placed = true;
        b.Top = std::clamp(top.toDouble(), 0.0, 1.0);
        b.Left = std::clamp(left.toDouble(), 0.0, 1.0);
        b.Width = std::clamp(width.toDouble(), 0.0, 1.0);
        b.Height = std::clamp(height.toDouble(), 0.0, 1.0);
    }
    b.ExtKey = o.value(QLatin1String("ext_orvanta_key")).toObject();
    return b;
}

// A grid side: a positive integer within the limit; throws for absurd sizes.
int GridSide(const QJsonValue &v, const QString &what) {
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != std::floor(d) || d < 1 || d > ObfLimits::MaxGridSide)
        throw TError(TText("ObfBoard", "Mřížka tabulky má nepřípustný počet %1 (%2; nejvýše %3).")
                         .arg(what, v.isDouble() ? QString::number(d) : TText("ObfBoard", "chybí"))
                         .arg(ObfLimits::MaxGridSide));
    return int(d);
}

void ParseGrid(const QJsonObject &grid, TObfBoard &board, QStringList &notes) {
    board.Rows = GridSide(grid.value(QLatin1String("rows")), TText("ObfBoard", "řádků"));
    board.Columns = GridSide(grid.value(QLatin1String("columns")), TText("ObfBoard", "sloupců"));
    board.HasGrid = true;
    const QJsonArray order = grid.value(QLatin1String("order")).toArray();
    if (order.size() != board.Rows)
        notes.append(TText("ObfBoard", "mřížka má %1 řádků, ale pořadí jich uvádí %2")
                         .arg(board.Rows)
                         .arg(order.size()));
    for (int r = 0; r < board.Rows; ++r) {
        QList<QString> row(board.Columns);
        const QJsonArray cells = r < order.size() ? order.at(r).toArray() : QJsonArray();
        if (r < order.size() && cells.size() != board.Columns)
            notes.append(TText("ObfBoard", "řádek %1 pořadí má %2 buněk místo %3")
                             .arg(r + 1)
                             .arg(cells.size())
                             .arg(board.Columns));
        for (int c = 0; c < board.Columns && c < cells.size(); ++c)
            row[c] = IdText(cells.at(c));
        board.Order.append(row);
    }
}

} // namespace

QString IdText(const QJsonValue &value) {
    if (value.isString())
        return value.toString();
    if (value.isDouble()) {
        const double d = value.toDouble();
        if (d == std::floor(d) && std::fabs(d) < 9e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 17);
    }
    return QString();
}

const TObfButton *TObfBoard::Button(const QString &id) const {
    const qsizetype i = ButtonIndex.value(id, -1);
    return i < 0 ? nullptr : &Buttons[i];
}

std::optional<std::uint32_t> ParseCssColor(const QString &text) {
    static const QRegularExpression rgb(
        QStringLiteral(
            R"(^\s*rgba?\(\s*(\d{1,3}(?:\.\d*)?)\s*,\s*(\d{1,3}(?:\.\d*)?)\s*,\s*(\d{1,3}(?:\.\d*)?)\s*(?:,\s*[\d.]+%?\s*)?\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = rgb.match(text);
    if (m.hasMatch()) {
        std::uint32_t color = 0;
        for (int i = 0; i < 3; ++i) {
            const int v = std::clamp(int(std::lround(m.captured(i + 1).toDouble())), 0, 255);
            color |= std::uint32_t(v) << (8 * i);
        }
        return color;
    }
    const QColor c = QColor::fromString(text.trimmed());
    if (!c.isValid())
        return std::nullopt;
    return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

QString CssColor(std::uint32_t color) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(color & 0xFF)
        .arg((color >> 8) & 0xFF)
        .arg((color >> 16) & 0xFF);
}

TObfBoard ParseBoard(const QByteArray &json, QStringList &notes) {
    if (json.size() > ObfLimits::MaxBoardBytes)
        throw TError(
            TText("ObfBoard", "Tabulka je větší než %1 MB.").arg(ObfLimits::MaxBoardBytes >> 20));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw TError(TText("ObfBoard", "Soubor není platný JSON (%1 na pozici %2).")
                         .arg(error.errorString())
                         .arg(error.offset));
    if (!doc.isObject())
        throw TError(TText("ObfBoard", "Soubor nepopisuje tabulku (chybí objekt JSON)."));
    const QJsonObject o = doc.object();
    TObfBoard board;
    board.Id = IdText(o.value(QLatin1String("id")));
    board.Name = Text(o, "name");
    board.Locale = Text(o, "locale");
    board.ExtLayout = Text(o, "ext_orvanta_layout");
    board.ExtTable = Text(o, "ext_orvanta_table");
    board.ExtGrid = o.value(QLatin1String("ext_orvanta_grid")).toObject();
    if (!o.value(QLatin1String("format")).toString().startsWith(QLatin1String("open-board-")))
        notes.append(TText("ObfBoard", "chybí označení formátu \"open-board-0.1\""));

    const QJsonArray buttons = o.value(QLatin1String("buttons")).toArray();
    if (buttons.size() > ObfLimits::MaxButtons)
        throw TError(TText("ObfBoard", "Tabulka má %1 tlačítek (nejvýše %2).")
                         .arg(buttons.size())
                         .arg(ObfLimits::MaxButtons));
    for (const QJsonValue b : buttons) {
        if (!b.isObject())
            continue;
        board.Buttons.append(ParseButton(b.toObject(), notes));
        if (!board.ButtonIndex.contains(board.Buttons.last().Id))
            board.ButtonIndex.insert(board.Buttons.last().Id, board.Buttons.size() - 1);
    }
    for (const QJsonValue v : o.value(QLatin1String("images")).toArray()) {
        const QJsonObject i = v.toObject();
        TObfImage image;
        image.Id = IdText(i.value(QLatin1String("id")));
        image.ContentType = Text(i, "content_type");
        image.Data = Text(i, "data");
        image.Path = Text(i, "path");
        image.Url = Text(i, "url");
        image.Symbol = i.value(QLatin1String("symbol")).isObject();
        image.ExtSymbolData = QByteArray::fromBase64(
            i.value(QLatin1String("ext_orvanta_symbol")).toString().toLatin1());
        board.Images.insert(image.Id, image);
    }
    for (const QJsonValue v : o.value(QLatin1String("sounds")).toArray()) {
        const QJsonObject s = v.toObject();
        TObfSound sound;
        sound.Id = IdText(s.value(QLatin1String("id")));
        sound.ContentType = Text(s, "content_type");
        sound.Data = Text(s, "data");
        sound.Path = Text(s, "path");
        sound.Url = Text(s, "url");
        sound.ExtName = Text(s, "ext_orvanta_name");
        board.Sounds.insert(sound.Id, sound);
    }
    if (const QJsonValue grid = o.value(QLatin1String("grid")); grid.isObject())
        ParseGrid(grid.toObject(), board, notes);
    return board;
}
