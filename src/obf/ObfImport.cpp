#include "ObfImport.h"

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
#include "TableFormat.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The key panel a new table is laid out on, as the program first shows it.
constexpr int PanelWidth = 650;
constexpr int PanelHeight = 300;

int Ordinal(TSpecialKey kind) {
    return int(kind);
}

// The cell (col, row) of a grid over the panel, inset as the grid lays its keys out. Cells too
// small for the inset get a smaller one, so that every key keeps a size of at least a pixel.
void PlaceInCell(TKeyDescription &k, int nCol, int nRow, int col, int row) {
    const double w = PanelWidth;
    const double h = PanelHeight;
    const int left = int(col * w / nCol);
    const int top = int(row * h / nRow);
    const int right = int((col + 1) * w / nCol);
    const int bottom = int((row + 1) * h / nRow);
    const int insetX = std::clamp((right - left - 1) / 2, 0, 5);
    const int insetY = std::clamp((bottom - top - 1) / 2, 0, 5);
    k.Left = left + insetX;
    k.Top = top + insetY;
    k.Width = std::max(0, right - left - 2 * insetX);
    k.Height = std::max(0, bottom - top - 2 * insetY);
}

// A key's texts within what a table may hold; true when one had to be cut.
bool CutTexts(TKeyDescription &k) {
    bool cut = false;
    for (QString *text :
         {&k.Text, &k.TextSh, &k.Hint, &k.HelpKeyword, &k.FontName, &k.WavName, &k.KbdName}) {
        if (text->size() > Limits::MaxKeyText) {
            text->truncate(Limits::MaxKeyText);
            cut = true;
        }
    }
    return cut;
}

struct TBoardEntry {
    QString Path; // inside the package; empty for a lone board
    TObfBoard Board;
    QString TableFile;
};

class TImport {
public:
    TImport(const QString &folder, TObfImportResult &result)
        : FFolder(folder)
        , FResult(result) {}

    void Package(const QByteArray &zip);
    void Board(const QByteArray &json);

private:
    void Note(const TBoardEntry &board, const QString &what) {
        const QString name = board.Board.Name.isEmpty() ? board.TableFile : board.Board.Name;
        FResult.Notes.append(name + QStringLiteral(": ") + what);
    }
    void AddBoard(const QString &path, const QByteArray &json, bool root);
    void Convert(const TBoardEntry &entry);
    TKeyDescription Key(const TBoardEntry &entry, const TObfButton &button, int index);
    std::optional<QString> LinkTarget(const TBoardEntry &entry, const TObfLink &link);
    QByteArray Symbol(const TBoardEntry &entry, const QString &imageId);
    QByteArray DecodeSymbol(const TBoardEntry &entry, const QString &imageId);
    QString Sound(const TBoardEntry &entry, const QString &soundId);
    std::optional<QByteArray> Resource(const TBoardEntry &entry, const QString &data,
                                       const QString &path, const QString &url,
                                       const QString &what);

    QString FFolder;
    TObfImportResult &FResult;
    std::optional<TObfArchive> FArchive;
    QList<TBoardEntry> FBoards;
    QHash<QString, QString> FTableByPath; // package path -> table file
    QHash<QString, QString> FTableById;   // board id -> table file
    QSet<QString> FTakenTables;
    QSet<QString> FTakenSounds;
    QHash<QString, QByteArray> FSymbolByPath; // package path and side
    int FSymbolSide = ObfLimits::SymbolSide;  // of the board being converted
    // Per board and image id: a picture many buttons share is decoded once.
    QHash<std::pair<const TBoardEntry *, QString>, QByteArray> FSymbolById;
    QHash<QString, QString> FSoundByPath;
    qint64 FPixelsLeft = ObfLimits::MaxImportPixels;
    int FKeys = 0;
};

void TImport::Package(const QByteArray &zip) {
    FArchive = TObfArchive::Read(zip);
    QStringList boardPaths;
    QString root;
    QHash<QString, QString> idByPath;
    if (FArchive->Contains(QStringLiteral("manifest.json"))) {
        QJsonParseError error;
        const QJsonDocument doc =
            QJsonDocument::fromJson(FArchive->File(QStringLiteral("manifest.json")), &error);
        if (!doc.isObject())
            throw TError(TText("ObfImport", "Soubor manifest.json není platný JSON (%1).")
                             .arg(error.errorString()));
        const QJsonObject manifest = doc.object();
        const QString rootName = manifest.value(QLatin1String("root")).toString();
        root = ObfNames::SafeArchivePath(rootName);
        if (root.isEmpty())
            throw TError(
                TText("ObfImport", "Balík neuvádí platnou první tabulku (\"%1\").").arg(rootName));
        const QJsonObject boards = manifest.value(QLatin1String("paths"))
                                       .toObject()
                                       .value(QLatin1String("boards"))
                                       .toObject();
        if (boards.size() > ObfLimits::MaxBoards)
            throw TError(TText("ObfImport", "Balík má %1 tabulek (nejvýše %2).")
                             .arg(boards.size())
                             .arg(ObfLimits::MaxBoards));
        boardPaths.append(root);
        for (auto it = boards.begin(); it != boards.end(); ++it) {
            const QString path = ObfNames::SafeArchivePath(it->toString());
            if (path.isEmpty())
                throw TError(TText("ObfImport", "Balík obsahuje nebezpečné jméno souboru: %1")
                                 .arg(it->toString()));
            idByPath.insert(path, it.key());
            if (!boardPaths.contains(path))
                boardPaths.append(path);
        }
    } else {
        // No manifest: every board of the package, the first by name as the root.
        for (const QString &path : FArchive->Paths()) {
            if (path.endsWith(QLatin1String(".obf"), Qt::CaseInsensitive))
                boardPaths.append(path);
        }
        boardPaths.sort();
        if (boardPaths.isEmpty())
            throw TError(TText("ObfImport", "Balík neobsahuje žádnou tabulku (.obf)."));
        if (boardPaths.size() > ObfLimits::MaxBoards)
            throw TError(TText("ObfImport", "Balík má %1 tabulek (nejvýše %2).")
                             .arg(boardPaths.size())
                             .arg(ObfLimits::MaxBoards));
        root = boardPaths.first();
        FResult.Notes.append(
            TText("ObfImport", "balík nemá manifest.json; první tabulka: %1").arg(root));
    }
    if (!FArchive->Contains(root))
        throw TError(TText("ObfImport", "První tabulka %1 v balíku chybí.").arg(root));

    for (const QString &path : std::as_const(boardPaths)) {
        if (!FArchive->Contains(path)) {
            FResult.Notes.append(TText("ObfImport", "tabulka %1 v balíku chybí").arg(path));
            continue;
        }
        AddBoard(path, FArchive->File(path), path == root);
        if (idByPath.contains(path) && !FBoards.isEmpty() && FBoards.last().Path == path)
            FTableById.insert(idByPath.value(path), FBoards.last().TableFile);
    }
    for (const TBoardEntry &entry : std::as_const(FBoards))
        Convert(entry);
}

void TImport::Board(const QByteArray &json) {
    AddBoard(QString(), json, true);
    Convert(FBoards.first());
}

void TImport::AddBoard(const QString &path, const QByteArray &json, bool root) {
    TBoardEntry entry;
    entry.Path = path;
    QStringList notes;
    try {
        entry.Board = ParseBoard(json, notes);
    } catch (const TError &e) {
        if (root)
            throw;
        FResult.Notes.append(
            TText("ObfImport", "%1: tabulku nelze převést: %2").arg(path, e.Message()));
        return;
    }
    QString base = QFileInfo(entry.Board.ExtTable).completeBaseName();
    if (base.isEmpty())
        base = entry.Board.Name;
    const QString fallback =
        entry.Board.Id.isEmpty() ? QFileInfo(path).completeBaseName() : entry.Board.Id;
    entry.TableFile = ObfNames::Unique(ObfNames::SafeFileName(base, fallback),
                                       QStringLiteral(".kbt"), FTakenTables);
    for (const QString &note : std::as_const(notes))
        Note(entry, note);
    if (!path.isEmpty())
        FTableByPath.insert(path, entry.TableFile);
    if (!entry.Board.Id.isEmpty() && !FTableById.contains(entry.Board.Id))
        FTableById.insert(entry.Board.Id, entry.TableFile);
    FBoards.append(entry);
}

void TImport::Convert(const TBoardEntry &entry) {
    const TObfBoard &board = entry.Board;
    TTableFile table;
    QList<const TObfButton *> visible;
    for (const TObfButton &b : board.Buttons) {
        if (!b.Hidden)
            visible.append(&b);
    }
    const bool allPlaced =
        !visible.isEmpty() &&
        std::all_of(visible.begin(), visible.end(), [](const TObfButton *b) { return b->Placed; });
    const bool free = board.ExtLayout == QLatin1String("free") ||
                      (!board.HasGrid && allPlaced && board.ExtLayout.isEmpty());
    int index = 0;
    FSymbolSide = ObfLimits::SymbolSide;
    if (!free) {
        const int side = std::max(board.HasGrid ? std::max(board.Columns, board.Rows)
                                                : int(std::ceil(std::sqrt(double(visible.size())))),
                                  1);
        FSymbolSide = std::clamp(ObfLimits::GridScreenSide / side, ObfLimits::MinGridSymbolSide,
                                 ObfLimits::SymbolSide);
    }
    if (free) {
        table.Layout = 0;
        for (const TObfButton *b : std::as_const(visible))
            table.Keys.append(TTableKey{0, 0, Key(entry, *b, index++).ToRecord()});
    } else if (board.HasGrid) {
        table.nCol = board.Columns;
        table.nRow = board.Rows;
        for (int r = 0; r < board.Rows; ++r) {
            for (int c = 0; c < board.Columns; ++c) {
                const QString &id = board.Order[r][c];
                if (id.isEmpty())
                    continue;
                const TObfButton *b = board.Button(id);
                if (!b) {
                    Note(entry,
                         TText("ObfImport", "mřížka uvádí neexistující tlačítko \"%1\"").arg(id));
                    continue;
                }
                if (b->Hidden)
                    continue;
                TKeyDescription k = Key(entry, *b, index++);
                if (!b->ExtKey.contains(QLatin1String("Left")))
                    PlaceInCell(k, board.Columns, board.Rows, c, r);
                table.Keys.append(TTableKey{c, r, k.ToRecord()});
            }
        }
    } else {
        // No usable grid: the visible buttons in their order, in a grid as square as possible.
        const int n = std::max<int>(1, int(visible.size()));
        table.nCol = int(std::ceil(std::sqrt(double(n))));
        table.nRow = (n + table.nCol - 1) / table.nCol;
        Note(entry, TText("ObfImport", "tabulka nemá mřížku; tlačítka jsou seřazena za sebou"));
        for (const TObfButton *b : std::as_const(visible)) {
            const int c = index % table.nCol;
            const int r = index / table.nCol;
            TKeyDescription k = Key(entry, *b, index++);
            PlaceInCell(k, table.nCol, table.nRow, c, r);
            table.Keys.append(TTableKey{c, r, k.ToRecord()});
        }
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteTableFile(&buffer, table);
    FResult.Tables.append(TObfImportFile{entry.TableFile, buffer.data()});
}

TKeyDescription TImport::Key(const TBoardEntry &entry, const TObfButton &b, int index) {
    if (++FKeys > ObfLimits::MaxKeys)
        throw TError(TText("ObfImport", "Tabulky mají dohromady víc než %1 kláves.")
                         .arg(ObfLimits::MaxKeys));
    TKeyDescription k;
    k.TabOrder = index;
    if (b.Placed) {
        k.Left = int(std::lround(b.Left * PanelWidth));
        k.Top = int(std::lround(b.Top * PanelHeight));
        k.Width = std::max(1, int(std::lround(b.Width * PanelWidth)));
        k.Height = std::max(1, int(std::lround(b.Height * PanelHeight)));
    }
    k.Text = b.Vocalization && !b.Vocalization->isEmpty() ? *b.Vocalization : b.Label;
    // Named in notes, where a label of a megabyte would bury every other line.
    const QString label = (b.Label.isEmpty() ? b.Id : b.Label).left(80);

    int kind = Ordinal(TSpecialKey::None);
    if (b.LoadBoard) {
        if (const auto target = LinkTarget(entry, *b.LoadBoard)) {
            kind = Ordinal(TSpecialKey::Other);
            k.KbdName = *target;
        } else {
            Note(entry, TText("ObfImport", "tlačítko \"%1\": odkazovaná tabulka \"%2\" chybí")
                            .arg(label, b.LoadBoard->Name.isEmpty() ? b.LoadBoard->Id
                                                                    : b.LoadBoard->Name));
        }
    }
    for (const QString &action : b.Actions) {
        int mapped = -1;
        if (action.startsWith(QLatin1Char('+'))) {
            // Spelling: the key writes the letters.
            k.Text = action.mid(1);
            continue;
        }
        if (action == QLatin1String(":space"))
            mapped = Ordinal(TSpecialKey::Space);
        else if (action == QLatin1String(":backspace"))
            mapped = Ordinal(TSpecialKey::Backspace);
        else if (action == QLatin1String(":clear"))
            mapped = Ordinal(TSpecialKey::Clear);
        else if (action == QLatin1String(":speak"))
            mapped = Ordinal(TSpecialKey::Talk);
        else if (action == QLatin1String(":home"))
            mapped = Ordinal(TSpecialKey::Other);
        else if (action.startsWith(QLatin1String(":ext_orvanta_")))
            mapped = SpecialKeyOrdinal(action.mid(13).toLatin1());
        if (mapped < 0 || (kind != Ordinal(TSpecialKey::None) && mapped != kind)) {
            Note(entry, TText("ObfImport", "tlačítko \"%1\": akce \"%2\" není podporována")
                            .arg(label, action));
            continue;
        }
        kind = mapped;
        if (action == QLatin1String(":home"))
            k.KbdName = FFolder + QLatin1Char('/') + FBoards.first().TableFile;
    }
    if (!b.SoundId.isEmpty()) {
        const QString wav = Sound(entry, b.SoundId);
        if (!wav.isEmpty()) {
            if (kind == Ordinal(TSpecialKey::None))
                kind = Ordinal(TSpecialKey::Sound);
            if (kind == Ordinal(TSpecialKey::Sound))
                k.WavName = wav;
            else
                Note(entry,
                     TText("ObfImport", "tlačítko \"%1\": zvuk vynechán, klávesa už má jinou "
                                        "činnost")
                         .arg(label));
        }
    }
    k.SpecialKey = kind;
    if (b.Background)
        k.SetFaceColor(*b.Background);
    if (!b.ImageId.isEmpty())
        k.SymbolData = Symbol(entry, b.ImageId);
    ApplyKeyExt(k, b.ExtKey);
    if (CutTexts(k))
        Note(entry, TText("ObfImport", "tlačítko \"%1\": text zkrácen na %2 znaků")
                        .arg(label)
                        .arg(Limits::MaxKeyText));
    // A key with no text would read back as a new key, "VxKey": a picture-only button gets a
    // space, which draws nothing.
    if (k.Text.isEmpty())
        k.Text = QStringLiteral(" ");
    return k;
}

std::optional<QString> TImport::LinkTarget(const TBoardEntry &entry, const TObfLink &link) {
    QString table;
    if (FArchive) {
        const QString path = ObfNames::SafeArchivePath(link.Path);
        if (!path.isEmpty())
            table = FTableByPath.value(path);
        if (table.isEmpty() && !link.Id.isEmpty())
            table = FTableById.value(link.Id);
    } else if (!link.Id.isEmpty() && link.Id == entry.Board.Id) {
        table = entry.TableFile;
    }
    if (!table.isEmpty())
        return FFolder + QLatin1Char('/') + table;
    // A table of ours that was not part of the package: its name as it was.
    if (!link.ExtTable.isEmpty())
        return link.ExtTable;
    return std::nullopt;
}

std::optional<QByteArray> TImport::Resource(const TBoardEntry &entry, const QString &data,
                                            const QString &path, const QString &url,
                                            const QString &what) {
    if (!data.isEmpty()) {
        if (const auto uri = ObfMedia::DecodeDataUri(data))
            return uri->Bytes;
        Note(entry, TText("ObfImport", "%1: vložená data nelze přečíst").arg(what));
        return std::nullopt;
    }
    if (!path.isEmpty()) {
        const QString clean = ObfNames::SafeArchivePath(path);
        if (FArchive && !clean.isEmpty() && FArchive->Contains(clean))
            return FArchive->File(clean);
        Note(entry, TText("ObfImport", "%1: soubor \"%2\" chybí").arg(what, path));
        return std::nullopt;
    }
    if (!url.isEmpty()) {
        Note(entry, TText("ObfImport", "%1: je jen na síti (%2)").arg(what, url.left(200)));
        return std::nullopt;
    }
    Note(entry, TText("ObfImport", "%1: chybí").arg(what));
    return std::nullopt;
}

QByteArray TImport::Symbol(const TBoardEntry &entry, const QString &imageId) {
    const auto key = std::make_pair(&entry, imageId); // one side per board
    if (const auto known = FSymbolById.constFind(key); known != FSymbolById.cend())
        return *known;
    const QByteArray symbol = DecodeSymbol(entry, imageId);
    FSymbolById.insert(key, symbol);
    return symbol;
}

QByteArray TImport::DecodeSymbol(const TBoardEntry &entry, const QString &imageId) {
    const QString what = TText("ObfImport", "obrázek \"%1\"").arg(imageId);
    if (!entry.Board.Images.contains(imageId)) {
        Note(entry, TText("ObfImport", "%1 není v tabulce popsán").arg(what));
        return QByteArray();
    }
    const TObfImage &image = entry.Board.Images[imageId];
    if (!image.ExtSymbolData.isEmpty())
        return image.ExtSymbolData;
    const QString path = image.Data.isEmpty() ? ObfNames::SafeArchivePath(image.Path) : QString();
    const QString pathKey = path + QLatin1Char('\n') + QString::number(FSymbolSide);
    if (!path.isEmpty() && FSymbolByPath.contains(pathKey))
        return FSymbolByPath.value(pathKey);
    if (image.Data.isEmpty() && image.Path.isEmpty() && image.Url.isEmpty() && image.Symbol) {
        Note(entry, TText("ObfImport", "%1: odkaz do sady symbolů nelze převést").arg(what));
        return QByteArray();
    }
    const auto bytes = Resource(entry, image.Data, image.Path, image.Url, what);
    if (!bytes)
        return QByteArray();
    QByteArray symbol;
    try {
        symbol = ObfMedia::SymbolFromImage(*bytes, image.ContentType, FPixelsLeft, FSymbolSide);
    } catch (const TError &e) {
        Note(entry, what + QStringLiteral(": ") + e.Message());
    }
    if (!path.isEmpty())
        FSymbolByPath.insert(pathKey, symbol);
    return symbol;
}

QString TImport::Sound(const TBoardEntry &entry, const QString &soundId) {
    const QString what = QStringLiteral("zvuk \"%1\"").arg(soundId);
    if (!entry.Board.Sounds.contains(soundId)) {
        Note(entry, TText("ObfImport", "%1 není v tabulce popsán").arg(what));
        return QString();
    }
    const TObfSound &sound = entry.Board.Sounds[soundId];
    const QString path = sound.Data.isEmpty() ? ObfNames::SafeArchivePath(sound.Path) : QString();
    if (!path.isEmpty() && FSoundByPath.contains(path))
        return FSoundByPath.value(path);
    const auto bytes = Resource(entry, sound.Data, sound.Path, sound.Url, what);
    if (!bytes || bytes->isEmpty())
        return QString();
    QString name = sound.ExtName;
    if (name.isEmpty())
        name = path.isEmpty() ? sound.Id : QFileInfo(path).completeBaseName();
    const QString base = ObfNames::SafeFileName(name, QStringLiteral("zvuk"));
    const QString file = ObfNames::Unique(
        base, QLatin1Char('.') + ObfMedia::SoundSuffix(*bytes, sound.ContentType), FTakenSounds);
    FResult.Sounds.append(TObfImportFile{file, *bytes});
    const QString wav = FFolder + QLatin1Char('/') + file;
    if (!path.isEmpty())
        FSoundByPath.insert(path, wav);
    return wav;
}

bool IsZip(const QByteArray &bytes) {
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

} // namespace

QString TObfImportResult::RootTable() const {
    return Tables.isEmpty() ? QString() : Folder + QLatin1Char('/') + Tables.first().FileName;
}

TObfImportResult ImportBoards(const QByteArray &bytes, const QString &folder) {
    TObfImportResult result;
    result.Folder = folder;
    TImport import(folder, result);
    if (IsZip(bytes))
        import.Package(bytes);
    else
        import.Board(bytes);
    return result;
}

QString ImportFolderName(const QString &fileName, const QString &tablesDir,
                         const QString &soundsDir) {
    const QString base =
        ObfNames::SafeFileName(QFileInfo(fileName).completeBaseName(), QStringLiteral("tabulky"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(QDir(tablesDir).filePath(candidate)) ||
                    QFileInfo::exists(QDir(soundsDir).filePath(candidate));
         ++n)
        candidate = base + QLatin1Char('_') + QString::number(n);
    return candidate;
}

void WriteImport(const TObfImportResult &result, const QString &tablesDir,
                 const QString &soundsDir) {
    // The folder and the file names were made safe when the import was made; checked again here
    // because this is the one place that writes.
    const auto write = [&](const QString &dir, const TObfImportFile &file) {
        if (ObfNames::SafeFileName(result.Folder, QString()) != result.Folder ||
            ObfNames::SafeArchivePath(file.FileName) != file.FileName ||
            file.FileName.contains(QLatin1Char('/')))
            throw TError(TText("ObfImport", "Nebezpečné jméno souboru: %1").arg(file.FileName));
        const QString folder = QDir(dir).filePath(result.Folder);
        if (!QDir().mkpath(folder))
            throw TError(TText("ObfImport", "Složku \"%1\" nelze vytvořit.").arg(folder));
        QSaveFile out(QDir(folder).filePath(file.FileName));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.Bytes) != file.Bytes.size() ||
            !out.commit())
            throw TError(TText("ObfImport", "Soubor \"%1\" nelze uložit.\r%2")
                             .arg(out.fileName(), out.errorString()));
    };
    for (const TObfImportFile &sound : result.Sounds)
        write(soundsDir, sound);
    for (const TObfImportFile &table : result.Tables)
        write(tablesDir, table);
}

TObfImportResult ImportBoardFile(const QString &path, const QString &tablesDir,
                                 const QString &soundsDir) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TError(
            TText("ObfImport", "Soubor \"%1\" nelze otevřít.\r%2").arg(path, file.errorString()));
    if (file.size() > ObfLimits::MaxPackageBytes)
        throw TError(TText("ObfImport", "Soubor \"%1\" je větší než %2 MB.")
                         .arg(path)
                         .arg(ObfLimits::MaxPackageBytes >> 20));
    const QByteArray bytes = file.readAll();
    const TObfImportResult result =
        ImportBoards(bytes, ImportFolderName(path, tablesDir, soundsDir));
    try {
        WriteImport(result, tablesDir, soundsDir);
    } catch (const TError &) {
        // The folders were new: a half-written import is taken away again.
        QDir(QDir(tablesDir).filePath(result.Folder)).removeRecursively();
        QDir(QDir(soundsDir).filePath(result.Folder)).removeRecursively();
        throw;
    }
    return result;
}
