#include "ObfExport.h"

#include "Error.h"
#include "KeyDescription.h"
#include "ObfArchive.h"
#include "ObfBoard.h"
#include "ObfKeyExt.h"
#include "ObfLimits.h"
#include "ObfMedia.h"
#include "ObfNames.h"
#include "SpecialKey.h"
#include "TText.h"

#include "FileLookup.h"
#include "StringProc.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

const QString Format = QStringLiteral("open-board-0.1");

QString NormalName(const QString &name) {
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return n.toLower();
}

QString BaseName(const QString &name) {
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(n).completeBaseName();
}

struct TPending {
    QString Name; // the table's name as keys link to it
    TTableFile Table;
    QString Id;
};

class TExport {
public:
    TExport(bool package, const TObfExportSource &source, QStringList &notes)
        : FPackage(package)
        , FSource(source)
        , FNotes(notes) {}

    QByteArray Run(const TTableFile &table, const QString &tableName);

private:
    QJsonObject Board(const TPending &pending);
    QJsonObject Button(const TKeyDescription &k, int number, const QString &board,
                       QJsonArray &images, QJsonArray &sounds);
    QString ImageId(const QByteArray &symbolData, const QString &board, QJsonArray &images);
    QString SoundId(const QString &wavName, const QString &board, QJsonArray &sounds);
    std::optional<QString> LinkedBoard(const QString &kbdName, const QString &board);

    bool FPackage;
    const TObfExportSource &FSource;
    QStringList &FNotes;
    QList<TPending> FQueue;
    QHash<QString, QString> FBoardByName; // normal table name -> board id
    QSet<QString> FTakenIds;
    TObfArchiveWriter FWriter;
    QJsonObject FManifestBoards, FManifestImages, FManifestSounds;
    QHash<QByteArray, QJsonObject> FImages; // symbol data -> image entry
    QHash<QString, QJsonObject> FSounds;    // normal sound name -> sound entry
    QSet<QString> FMissing;                 // sounds and tables already reported
};

QByteArray TExport::Run(const TTableFile &table, const QString &tableName) {
    const QString id = ObfNames::Unique(ObfNames::SafeFileName(BaseName(tableName), QString()),
                                        QString(), FTakenIds);
    FBoardByName.insert(NormalName(tableName), id);
    FQueue.append(TPending{tableName, table, id});
    if (!FPackage)
        return QJsonDocument(Board(FQueue.first())).toJson(QJsonDocument::Indented);
    for (qsizetype i = 0; i < FQueue.size(); ++i) {
        const TPending pending = FQueue[i]; // the queue grows while the board is made
        const QString path = QStringLiteral("boards/") + pending.Id + QStringLiteral(".obf");
        FWriter.Add(path, QJsonDocument(Board(pending)).toJson(QJsonDocument::Indented));
        FManifestBoards.insert(pending.Id, path);
    }
    QJsonObject paths{{QStringLiteral("boards"), FManifestBoards}};
    if (!FManifestImages.isEmpty())
        paths.insert(QStringLiteral("images"), FManifestImages);
    if (!FManifestSounds.isEmpty())
        paths.insert(QStringLiteral("sounds"), FManifestSounds);
    const QJsonObject manifest{
        {QStringLiteral("format"), Format},
        {QStringLiteral("root"), QStringLiteral("boards/") + id + QStringLiteral(".obf")},
        {QStringLiteral("paths"), paths},
    };
    FWriter.Add(QStringLiteral("manifest.json"),
                QJsonDocument(manifest).toJson(QJsonDocument::Indented));
    return FWriter.Finish();
}

QJsonObject TExport::Board(const TPending &pending) {
    const QString board = BaseName(pending.Name);
    const TTableFile &table = pending.Table;
    QList<TKeyDescription> keys;
    QList<QPoint> cells;
    for (const TTableKey &entry : table.Keys) {
        try {
            keys.append(TKeyDescription::FromRecord(entry.Record));
            cells.append(QPoint(entry.Col, entry.Row));
        } catch (const TError &e) {
            FNotes.append(
                TText("ObfExport", "%1: klávesu nelze přečíst: %2").arg(board, e.Message()));
        }
    }
    int columns = table.nCol;
    int rows = table.nRow;
    const bool scanning = table.Scanning();
    const bool gridFits = columns >= 1 && rows >= 1 && columns <= ObfLimits::MaxGridSide &&
                          rows <= ObfLimits::MaxGridSide;
    if (!scanning || !gridFits) {
        if (scanning)
            FNotes.append(TText("ObfExport", "%1: mřížka %2 × %3 nahrazena")
                              .arg(board)
                              .arg(columns)
                              .arg(rows));
        const int n = std::max<int>(1, int(keys.size()));
        columns = int(std::ceil(std::sqrt(double(n))));
        rows = (n + columns - 1) / columns;
        for (qsizetype i = 0; i < cells.size(); ++i)
            cells[i] = QPoint(int(i % columns), int(i / columns));
    }
    QList<QJsonArray> order(rows);
    for (QJsonArray &row : order) {
        for (int c = 0; c < columns; ++c)
            row.append(QJsonValue::Null);
    }
    // A free table's keys keep their places as fractions of the area they cover.
    double areaWidth = 650, areaHeight = 300;
    for (const TKeyDescription &k : keys) {
        areaWidth = std::max(areaWidth, double(k.Left) + k.Width);
        areaHeight = std::max(areaHeight, double(k.Top) + k.Height);
    }
    QJsonArray buttons, images, sounds;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QPoint cell = cells[i];
        if (cell.x() < 0 || cell.y() < 0 || cell.x() >= columns || cell.y() >= rows ||
            !order[cell.y()][cell.x()].isNull()) {
            FNotes.append(TText("ObfExport", "%1: klávesa \"%2\" nemá buňku v mřížce")
                              .arg(board, keys[i].Text));
            continue;
        }
        QJsonObject button = Button(keys[i], int(i) + 1, board, images, sounds);
        if (!scanning) {
            const TKeyDescription &k = keys[i];
            button.insert(QStringLiteral("left"), std::clamp(k.Left / areaWidth, 0.0, 1.0));
            button.insert(QStringLiteral("top"), std::clamp(k.Top / areaHeight, 0.0, 1.0));
            button.insert(QStringLiteral("width"), std::clamp(k.Width / areaWidth, 0.0, 1.0));
            button.insert(QStringLiteral("height"), std::clamp(k.Height / areaHeight, 0.0, 1.0));
        }
        order[cell.y()][cell.x()] = button.value(QStringLiteral("id"));
        buttons.append(button);
    }
    QJsonArray orderJson;
    for (const QJsonArray &row : std::as_const(order))
        orderJson.append(row);
    return QJsonObject{
        {QStringLiteral("format"), Format},
        {QStringLiteral("id"), pending.Id},
        {QStringLiteral("locale"), QStringLiteral("cs")},
        {QStringLiteral("name"), board},
        {QStringLiteral("buttons"), buttons},
        {QStringLiteral("grid"), QJsonObject{{QStringLiteral("rows"), rows},
                                             {QStringLiteral("columns"), columns},
                                             {QStringLiteral("order"), orderJson}}},
        {QStringLiteral("images"), images},
        {QStringLiteral("sounds"), sounds},
        {QStringLiteral("ext_orvanta_layout"),
         scanning ? QStringLiteral("scanning") : QStringLiteral("free")},
        {QStringLiteral("ext_orvanta_table"), QFileInfo(pending.Name).fileName()},
    };
}

QJsonObject TExport::Button(const TKeyDescription &k, int number, const QString &board,
                            QJsonArray &images, QJsonArray &sounds) {
    QJsonObject b{{QStringLiteral("id"), QString::number(number)},
                  {QStringLiteral("label"), k.Text}};
    QJsonObject ext = KeyExtJson(k);
    if ((k.FaceColor() >> 24) == 0)
        b.insert(QStringLiteral("background_color"), CssColor(k.FaceColor()));
    if (!k.SymbolData.isEmpty()) {
        const QString image = ImageId(k.SymbolData, board, images);
        if (!image.isEmpty())
            b.insert(QStringLiteral("image_id"), image);
    }
    const auto kind = TSpecialKey(std::clamp(k.SpecialKey, 0, SpecialKeyCount - 1));
    bool wavCarried = false, kbdCarried = false;
    switch (kind) {
    case TSpecialKey::None:
        break;
    case TSpecialKey::Space:
        b.insert(QStringLiteral("action"), QStringLiteral(":space"));
        break;
    case TSpecialKey::Backspace:
        b.insert(QStringLiteral("action"), QStringLiteral(":backspace"));
        break;
    case TSpecialKey::Clear:
        b.insert(QStringLiteral("action"), QStringLiteral(":clear"));
        break;
    case TSpecialKey::Talk:
        b.insert(QStringLiteral("action"), QStringLiteral(":speak"));
        break;
    case TSpecialKey::Sound:
        if (const QString sound = SoundId(k.WavName, board, sounds); !sound.isEmpty()) {
            b.insert(QStringLiteral("sound_id"), sound);
            wavCarried = true;
        }
        break;
    case TSpecialKey::Other:
        if (const auto target = LinkedBoard(k.KbdName, board)) {
            QJsonObject link{{QStringLiteral("id"), *target},
                             {QStringLiteral("name"), BaseName(k.KbdName)},
                             {QStringLiteral("ext_orvanta_table"), k.KbdName}};
            if (FPackage)
                link.insert(QStringLiteral("path"),
                            QStringLiteral("boards/") + *target + QStringLiteral(".obf"));
            b.insert(QStringLiteral("load_board"), link);
            kbdCarried = true;
        }
        break;
    default:
        break;
    }
    // Kinds with no action of the format, and links or sounds that could not be carried.
    if (!b.contains(QStringLiteral("action")) && !b.contains(QStringLiteral("load_board")) &&
        !b.contains(QStringLiteral("sound_id")) && kind != TSpecialKey::None)
        b.insert(QStringLiteral("action"),
                 QStringLiteral(":ext_orvanta_") + QString::fromLatin1(SpecialKeyIdent(int(kind))));
    if (!k.WavName.isEmpty() && !wavCarried)
        ext.insert(QStringLiteral("WavName"), k.WavName);
    if (!k.KbdName.isEmpty() && !kbdCarried)
        ext.insert(QStringLiteral("KbdName"), k.KbdName);
    if (!ext.isEmpty())
        b.insert(QStringLiteral("ext_orvanta_key"), ext);
    return b;
}

QString TExport::ImageId(const QByteArray &symbolData, const QString &board, QJsonArray &images) {
    QJsonObject entry = FImages.value(symbolData);
    if (entry.isEmpty()) {
        ObfMedia::TBoardImage image;
        try {
            image = ObfMedia::ImageFromSymbol(symbolData);
        } catch (const TError &e) {
            FNotes.append(
                TText("ObfExport", "%1: obrázek klávesy nelze uložit: %2").arg(board, e.Message()));
            return QString();
        }
        const QString id = QStringLiteral("img") + QString::number(FImages.size() + 1);
        entry = QJsonObject{{QStringLiteral("id"), id},
                            {QStringLiteral("content_type"), image.ContentType},
                            {QStringLiteral("width"), std::max(1, image.Size.width())},
                            {QStringLiteral("height"), std::max(1, image.Size.height())}};
        if (FPackage) {
            const QString path = QStringLiteral("images/") + id + QLatin1Char('.') + image.Suffix;
            FWriter.Add(path, image.Bytes);
            FManifestImages.insert(id, path);
            entry.insert(QStringLiteral("path"), path);
        } else {
            entry.insert(QStringLiteral("data"),
                         ObfMedia::EncodeDataUri(image.ContentType, image.Bytes));
        }
        if (!image.Exact)
            entry.insert(QStringLiteral("ext_orvanta_symbol"),
                         QString::fromLatin1(symbolData.toBase64()));
        FImages.insert(symbolData, entry);
    }
    const QString id = entry.value(QStringLiteral("id")).toString();
    for (const QJsonValue v : std::as_const(images)) {
        if (v.toObject().value(QStringLiteral("id")).toString() == id)
            return id;
    }
    images.append(entry);
    return id;
}

QString TExport::SoundId(const QString &wavName, const QString &board, QJsonArray &sounds) {
    const QString name = NormalName(wavName);
    QJsonObject entry = FSounds.value(name);
    if (entry.isEmpty()) {
        const auto bytes = FSource.Sound ? FSource.Sound(wavName) : std::nullopt;
        if (!bytes) {
            if (!FMissing.contains(QStringLiteral("wav:") + name))
                FNotes.append(QStringLiteral("%1: zvuk \"%2\" nebyl nalezen").arg(board, wavName));
            FMissing.insert(QStringLiteral("wav:") + name);
            return QString();
        }
        const QString id = QStringLiteral("snd") + QString::number(FSounds.size() + 1);
        const QString type = ObfMedia::SoundContentType(*bytes);
        // The format requires a duration; a sound whose length cannot be read counts as none.
        entry =
            QJsonObject{{QStringLiteral("id"), id},
                        {QStringLiteral("duration"), ObfMedia::SoundDuration(*bytes).value_or(0)},
                        {QStringLiteral("content_type"), type}};
        if (FPackage) {
            const QString path = QStringLiteral("sounds/") + id + QLatin1Char('.') +
                                 ObfMedia::SoundSuffix(*bytes, type);
            FWriter.Add(path, *bytes);
            FManifestSounds.insert(id, path);
            entry.insert(QStringLiteral("path"), path);
        } else {
            entry.insert(QStringLiteral("data"), ObfMedia::EncodeDataUri(type, *bytes));
        }
        entry.insert(QStringLiteral("ext_orvanta_name"), BaseName(wavName));
        FSounds.insert(name, entry);
    }
    const QString id = entry.value(QStringLiteral("id")).toString();
    for (const QJsonValue v : std::as_const(sounds)) {
        if (v.toObject().value(QStringLiteral("id")).toString() == id)
            return id;
    }
    sounds.append(entry);
    return id;
}

std::optional<QString> TExport::LinkedBoard(const QString &kbdName, const QString &board) {
    if (kbdName.isEmpty())
        return std::nullopt;
    const QString name = NormalName(kbdName);
    if (FBoardByName.contains(name))
        return FBoardByName.value(name);
    if (!FPackage) // a lone board names the table it links to
        return ObfNames::SafeFileName(BaseName(kbdName), QStringLiteral("tabulka"));
    const auto report = [&](const QString &what) {
        if (!FMissing.contains(name))
            FNotes.append(
                QStringLiteral("%1: odkaz na tabulku \"%2\": %3").arg(board, kbdName, what));
        FMissing.insert(name);
        return std::nullopt;
    };
    if (FQueue.size() >= ObfLimits::MaxBoards)
        return report(TText("ObfExport", "příliš mnoho tabulek"));
    const auto bytes = FSource.Table ? FSource.Table(kbdName) : std::nullopt;
    if (!bytes)
        return report(QStringLiteral("tabulka nebyla nalezena"));
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    const TTableReadResult read = ReadTableFile(&buffer);
    if (!read.Ok())
        return report(read.Error);
    const QString id = ObfNames::Unique(ObfNames::SafeFileName(BaseName(kbdName), QString()),
                                        QString(), FTakenIds);
    FBoardByName.insert(name, id);
    FQueue.append(TPending{kbdName, read.Table, id});
    return id;
}

} // namespace

TObfExportResult ExportBoard(const TTableFile &table, const QString &tableName,
                             const TObfExportSource &source) {
    TObfExportResult result;
    TExport e(false, source, result.Notes);
    result.Bytes = e.Run(table, tableName);
    return result;
}

TObfExportResult ExportPackage(const TTableFile &table, const QString &tableName,
                               const TObfExportSource &source) {
    TObfExportResult result;
    TExport e(true, source, result.Notes);
    result.Bytes = e.Run(table, tableName);
    return result;
}

TObfExportSource FolderSource(const QStringList &tableDirs, const QStringList &soundDirs) {
    const auto find = [](const QStringList &dirs,
                         const QString &name) -> std::optional<QByteArray> {
        for (const QString &dir : dirs) {
            const QString path = LocateFile(ResolvePath(name, WithTrailingSeparator(dir)));
            QFile file(path);
            if (file.size() > ObfLimits::MaxEntryBytes)
                continue;
            if (file.open(QIODevice::ReadOnly))
                return file.readAll();
        }
        return std::nullopt;
    };
    TObfExportSource source;
    source.Table = [find, tableDirs](const QString &name) { return find(tableDirs, name); };
    source.Sound = [find, soundDirs](const QString &name) { return find(soundDirs, name); };
    return source;
}
