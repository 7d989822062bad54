#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// One board (.obf) as read: only what an import uses, every attribute checked and converted.
struct TObfImage {
    QString Id;
    QString ContentType;
    QString Data; // a data URI
    QString Path; // inside the package
    QString Url;
    bool Symbol = false;      // a reference into a symbol set, which we cannot resolve
    QByteArray ExtSymbolData; // ext_orvanta_symbol: our own picture data, exact
};

struct TObfSound {
    QString Id;
    QString ContentType;
    QString Data;
    QString Path;
    QString Url;
    QString ExtName; // ext_orvanta_name: the sound file's name here
};

struct TObfLink {
    QString Id;
    QString Name;
    QString Path;
    QString Url;
    QString ExtTable; // ext_orvanta_table: the table name it had here
};

struct TObfButton {
    QString Id;
    QString Label;
    std::optional<QString> Vocalization;
    QString ImageId;
    QString SoundId;
    std::optional<std::uint32_t> Background; // 0x00BBGGRR
    bool Hidden = false;
    QStringList Actions; // "action" first, then "actions"
    std::optional<TObfLink> LoadBoard;
    bool Placed = false; // top, left, width and height all given
    double Top = 0, Left = 0, Width = 0, Height = 0;
    QJsonObject ExtKey; // ext_orvanta_key
};

struct TObfBoard {
    QString Id;
    QString Name;
    QString Locale;
    bool HasGrid = false;
    int Rows = 0;
    int Columns = 0;
    QList<QList<QString>> Order; // Rows lists of Columns button ids; empty for an empty cell
    QList<TObfButton> Buttons;
    QHash<QString, qsizetype> ButtonIndex; // id -> the first button with it
    QHash<QString, TObfImage> Images;
    QHash<QString, TObfSound> Sounds;
    QString ExtLayout; // ext_orvanta_layout: "free" or "scanning"
    QString ExtTable;  // ext_orvanta_table
    QJsonObject ExtGrid;

    // The button with `id`, or nullptr.
    const TObfButton *Button(const QString &id) const;
};

// Reads a board. What real writers get wrong (numeric ids, hexadecimal colours, a missing locale,
// order rows of the wrong length) is accepted and noted in `notes`; invalid JSON, a grid larger
// than the limits or too many buttons throw TError.
TObfBoard ParseBoard(const QByteArray &json, QStringList &notes);

// "rgb(r, g, b)", "rgba(r, g, b, a)" (alpha dropped), "#rrggbb", "#rgb" or a colour name, as
// 0x00BBGGRR; nothing when it is none of these.
std::optional<std::uint32_t> ParseCssColor(const QString &text);
QString CssColor(std::uint32_t color); // "rgb(r, g, b)"

// An id as text: strings as they are, numbers without a fraction as integers.
QString IdText(const QJsonValue &value);
