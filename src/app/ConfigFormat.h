#pragma once

#include "GridSettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QIODevice;

// The display's stored entries. Each is optional: a record written by another program may lack
// any of them, and what is absent leaves the display as it is.
struct TDisplayRecord {
    std::optional<qint32> Left;
    std::optional<qint32> Top;
    std::optional<qint32> Width;
    std::optional<qint32> Height;
    std::optional<QByteArray> Align; // identifier, "alTop"
    std::optional<quint32> Color;    // 0x00BBGGRR or a system colour
    std::optional<qint32> FontCharset;
    std::optional<quint32> FontColor;
    std::optional<qint32> FontHeight; // negative: character height in pixels
    std::optional<QString> FontName;
    std::optional<QList<QByteArray>> FontStyle; // "fsBold", "fsItalic", ...
    std::optional<bool> HideScrollBars;
    std::optional<bool> ParentFont;
    std::optional<QByteArray> ScrollBars; // identifier, "ssVertical"
    std::optional<qint32> TabOrder;
    // The text, one string per line; no lines when the display is empty. Lines read are never
    // more than MaxDisplayLines and hold no line breaks; a longer text keeps its end.
    QStringList Lines;

    bool operator==(const TDisplayRecord &) const = default;
};

// Every value of the configuration file, in the order it is stored.
struct TConfiguration {
    static constexpr int VoiceRecordSize = 32;

    TDisplayRecord Display;
    // The 32-byte voice settings record as stored; empty in files written before it existed.
    QByteArray VoiceRecord;
    TGridSettings Grid;
    // Window bounds in screen pixels, right and bottom exclusive.
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Right = 0;
    qint32 Bottom = 0;
    quint8 WindowState = 0; // 0 normal, 1 minimized, 2 maximized
    qint32 Interval = 1000; // scan step in milliseconds, never negative
    qint32 Echo = 0;        // 1: echo on
    quint8 AutoReadMode = 0;
    // Each directory with its trailing separator.
    QString TablesDir;
    QString SoundsDir;
    QString PicturesDir;
    QString TableName;

    bool operator==(const TConfiguration &) const = default;
};

// How far a read got. Every part up to and including `Reached` was read (and checked); the
// parts after it keep their defaults in `Config`.
enum class TConfigPart {
    Nothing,
    Display,
    Voice, // reached also when the file is too old to hold the record
    Grid,
    Bounds,
    State,
    Interval,
    Echo,
    ReadMode,
    Lines,
};

struct TConfigReadResult {
    TConfiguration Config;
    double Version = 0; // 0 for files that start with the display record
    TConfigPart Reached = TConfigPart::Nothing;
    QString Error; // empty when the whole file was read
    bool Ok() const { return Error.isEmpty(); }
    bool Has(TConfigPart part) const { return int(Reached) >= int(part); }
};

namespace ConfigFormat {

// The version this program writes: 2.002, stored as an 8-byte double.
inline constexpr double Version = 2.002;
// Files above this size are not configuration files.
inline constexpr qsizetype MaxFileSize = 16 * 1024 * 1024;
// The display shows what is being said, it is no store of documents: a record's text is cut to
// its last lines and characters within these, so that a hostile file cannot make the text view
// allocate gigabytes (each line costs it hundreds of bytes). Months of composing fit, and the
// view lays them out in a fraction of a second.
inline constexpr qsizetype MaxDisplayLines = 10000;
inline constexpr qsizetype MaxDisplayText = 256 * 1024;
// Longer runs without a space are wrapped anywhere: breaking them at word boundaries costs time
// that grows with the square of their length.
inline constexpr qsizetype MaxDisplayWord = 4096;

// Reads a configuration file from its bytes. Never throws: damage ends the read with a message
// and the parts read before it.
TConfigReadResult Read(QByteArrayView bytes);
// The file's bytes. Throws TError when a value cannot be stored (a name too long for a record).
QByteArray Write(const TConfiguration &config);

// True when `text` holds a run of more than MaxDisplayWord characters without a space.
bool HasOverlongWord(const QString &text);

// The display record alone, as it sits in the file. ReadDisplayRecord throws TStreamError.
QByteArray WriteDisplayRecord(const TDisplayRecord &display);
TDisplayRecord ReadDisplayRecord(QIODevice *device);

// The table a configuration opens: the stored name when such a file exists, else the name
// within the tables directory, else the data directory's "Tables/index.kbt", else `current`.
QString ChooseTable(const QString &stored, const QString &tablesDir, const QString &dataDir,
                    const QString &current, const std::function<bool(const QString &)> &fileExists);

// The configuration a fresh main window starts with: the display and grid of its design, no
// window bounds, no voice record.
TConfiguration DesignConfiguration();

} // namespace ConfigFormat
