#pragma once

#include "ObfArchive.h"
#include "ObfMedia.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

// Boards, packages, pictures and sounds written by hand for the tests.
namespace BoardBuilder {

inline QByteArray ImageBytes(const char *format, QSize size = QSize(8, 6),
                             QColor color = QColor(200, 30, 30)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    image.save(&b, format);
    return b.data();
}

inline QByteArray Png(QSize size = QSize(8, 6)) {
    return ImageBytes("PNG", size);
}
inline QByteArray Jpeg(QSize size = QSize(8, 6)) {
    return ImageBytes("JPEG", size, QColor(20, 120, 200));
}
inline QByteArray Svg() {
    return QByteArrayLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                             "<rect width='40' height='20' fill='#3a3'/></svg>");
}

// A short silent mono WAVE file.
inline QByteArray Wav() {
    const QByteArray samples(200, '\x80');
    QByteArray b("RIFF");
    const auto u32 = [&](quint32 v) {
        char raw[4];
        qToLittleEndian(v, raw);
        b.append(raw, 4);
    };
    const auto u16 = [&](quint16 v) {
        char raw[2];
        qToLittleEndian(v, raw);
        b.append(raw, 2);
    };
    u32(quint32(36 + samples.size()));
    b.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    b.append("data");
    u32(quint32(samples.size()));
    b.append(samples);
    return b;
}

inline QString DataUri(const QString &type, const QByteArray &bytes) {
    return ObfMedia::EncodeDataUri(type, bytes);
}

inline QByteArray Json(const QJsonObject &o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

inline QJsonObject Grid(int rows, int columns, const QJsonArray &order) {
    return QJsonObject{{QStringLiteral("rows"), rows},
                       {QStringLiteral("columns"), columns},
                       {QStringLiteral("order"), order}};
}

// A board with `buttons` laid out in one row, in their order.
inline QJsonObject Board(const QString &id, const QString &name, const QJsonArray &buttons,
                         const QJsonArray &images = {}, const QJsonArray &sounds = {}) {
    QJsonArray row;
    for (const QJsonValue b : buttons)
        row.append(b.toObject().value(QStringLiteral("id")));
    return QJsonObject{
        {QStringLiteral("format"), QStringLiteral("open-board-0.1")},
        {QStringLiteral("id"), id},
        {QStringLiteral("locale"), QStringLiteral("cs")},
        {QStringLiteral("name"), name},
        {QStringLiteral("buttons"), buttons},
        {QStringLiteral("grid"), Grid(1, int(std::max<qsizetype>(1, row.size())), QJsonArray{row})},
        {QStringLiteral("images"), images},
        {QStringLiteral("sounds"), sounds}};
}

// A board of rows x columns buttons, every cell filled, each button with `extra` added.
inline QJsonObject GridBoard(int rows, int columns, const QJsonObject &extra = {},
                             const QJsonArray &images = {}) {
    QJsonArray buttons;
    QJsonArray order;
    for (int r = 0; r < rows; ++r) {
        QJsonArray row;
        for (int c = 0; c < columns; ++c) {
            const QString id = QStringLiteral("b%1_%2").arg(r).arg(c);
            QJsonObject b = extra;
            b.insert(QStringLiteral("id"), id);
            if (!b.contains(QStringLiteral("label")))
                b.insert(QStringLiteral("label"), id);
            buttons.append(b);
            row.append(id);
        }
        order.append(row);
    }
    QJsonObject board = Board(QStringLiteral("g"), QStringLiteral("Mřížka"), buttons, images);
    board.insert(QStringLiteral("grid"), Grid(rows, columns, order));
    return board;
}

inline QByteArray Zip(const QList<std::pair<QString, QByteArray>> &files) {
    TObfArchiveWriter writer;
    for (const auto &[path, bytes] : files)
        writer.Add(path, bytes);
    return writer.Finish();
}

// Three linked boards: "Domů" links to "Jídlo" and "Zvířata"; pictures of every kind and a sound.
//   Domů:    [Jídlo → jidlo (PNG file)] [Zvířata → zvirata (JPEG file)] [Ahoj, data-URI PNG]
//            [zvonek, sound]
//   Jídlo:   [jablko, SVG] [zpět :home] [mluv :speak] [neznámé :skákej]
//   Zvířata: [pes, data-URI JPEG] [domů → Domů by id]
inline QByteArray ThreeBoardPackage() {
    const auto button = [](const QString &id, const QString &label) {
        return QJsonObject{{QStringLiteral("id"), id}, {QStringLiteral("label"), label}};
    };
    auto food = button(QStringLiteral("1"), QStringLiteral("Jídlo"));
    food.insert(QStringLiteral("image_id"), QStringLiteral("png"));
    food.insert(QStringLiteral("load_board"),
                QJsonObject{{QStringLiteral("id"), QStringLiteral("food")},
                            {QStringLiteral("path"), QStringLiteral("boards/food.obf")}});
    auto animals = button(QStringLiteral("2"), QStringLiteral("Zvířata"));
    animals.insert(QStringLiteral("image_id"), QStringLiteral("jpg"));
    animals.insert(QStringLiteral("background_color"), QStringLiteral("rgb(255, 200, 0)"));
    animals.insert(QStringLiteral("load_board"),
                   QJsonObject{{QStringLiteral("id"), QStringLiteral("animals")},
                               {QStringLiteral("path"), QStringLiteral("boards/animals.obf")}});
    auto hello = button(QStringLiteral("3"), QStringLiteral("Ahoj"));
    hello.insert(QStringLiteral("vocalization"), QStringLiteral("Ahoj, jak se máš?"));
    hello.insert(QStringLiteral("image_id"), QStringLiteral("uri"));
    auto bell = button(QStringLiteral("4"), QStringLiteral("zvonek"));
    bell.insert(QStringLiteral("sound_id"), QStringLiteral("bell"));
    const QJsonArray homeImages{
        QJsonObject{{QStringLiteral("id"), QStringLiteral("png")},
                    {QStringLiteral("content_type"), QStringLiteral("image/png")},
                    {QStringLiteral("path"), QStringLiteral("images/food.png")}},
        QJsonObject{{QStringLiteral("id"), QStringLiteral("jpg")},
                    {QStringLiteral("content_type"), QStringLiteral("image/jpeg")},
                    {QStringLiteral("path"), QStringLiteral("images/animals.jpg")}},
        QJsonObject{{QStringLiteral("id"), QStringLiteral("uri")},
                    {QStringLiteral("content_type"), QStringLiteral("image/png")},
                    {QStringLiteral("data"), DataUri(QStringLiteral("image/png"), Png())}}};
    const QJsonArray homeSounds{
        QJsonObject{{QStringLiteral("id"), QStringLiteral("bell")},
                    {QStringLiteral("content_type"), QStringLiteral("audio/wav")},
                    {QStringLiteral("path"), QStringLiteral("sounds/bell.wav")}}};
    const QJsonObject home = Board(QStringLiteral("home"), QStringLiteral("Domů"),
                                   {food, animals, hello, bell}, homeImages, homeSounds);

    auto apple = button(QStringLiteral("a"), QStringLiteral("jablko"));
    apple.insert(QStringLiteral("image_id"), QStringLiteral("svg"));
    auto back = button(QStringLiteral("b"), QStringLiteral("zpět"));
    back.insert(QStringLiteral("action"), QStringLiteral(":home"));
    auto speak = button(QStringLiteral("c"), QStringLiteral("mluv"));
    speak.insert(QStringLiteral("action"), QStringLiteral(":speak"));
    auto odd = button(QStringLiteral("d"), QStringLiteral("neznámé"));
    odd.insert(QStringLiteral("action"), QStringLiteral(":skákej"));
    const QJsonObject foodBoard =
        Board(QStringLiteral("food"), QStringLiteral("Jídlo"), {apple, back, speak, odd},
              {QJsonObject{{QStringLiteral("id"), QStringLiteral("svg")},
                           {QStringLiteral("content_type"), QStringLiteral("image/svg+xml")},
                           {QStringLiteral("path"), QStringLiteral("images/apple.svg")}}});

    auto dog = button(QStringLiteral("p"), QStringLiteral("pes"));
    dog.insert(QStringLiteral("image_id"), QStringLiteral("dog"));
    auto homeLink = button(QStringLiteral("h"), QStringLiteral("domů"));
    homeLink.insert(QStringLiteral("load_board"),
                    QJsonObject{{QStringLiteral("id"), QStringLiteral("home")}});
    const QJsonObject animalBoard = Board(
        QStringLiteral("animals"), QStringLiteral("Zvířata"), {dog, homeLink},
        {QJsonObject{{QStringLiteral("id"), QStringLiteral("dog")},
                     {QStringLiteral("content_type"), QStringLiteral("image/jpeg")},
                     {QStringLiteral("data"), DataUri(QStringLiteral("image/jpeg"), Jpeg())}}});

    const QJsonObject manifest{
        {QStringLiteral("format"), QStringLiteral("open-board-0.1")},
        {QStringLiteral("root"), QStringLiteral("boards/home.obf")},
        {QStringLiteral("paths"),
         QJsonObject{
             {QStringLiteral("boards"),
              QJsonObject{{QStringLiteral("home"), QStringLiteral("boards/home.obf")},
                          {QStringLiteral("food"), QStringLiteral("boards/food.obf")},
                          {QStringLiteral("animals"), QStringLiteral("boards/animals.obf")}}}}}};
    return Zip({{QStringLiteral("manifest.json"), Json(manifest)},
                {QStringLiteral("boards/home.obf"), Json(home)},
                {QStringLiteral("boards/food.obf"), Json(foodBoard)},
                {QStringLiteral("boards/animals.obf"), Json(animalBoard)},
                {QStringLiteral("images/food.png"), Png(QSize(30, 20))},
                {QStringLiteral("images/animals.jpg"), Jpeg(QSize(30, 20))},
                {QStringLiteral("images/apple.svg"), Svg()},
                {QStringLiteral("sounds/bell.wav"), Wav()}});
}

} // namespace BoardBuilder
