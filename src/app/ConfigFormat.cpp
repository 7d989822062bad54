#include "ConfigFormat.h"

#include "CodePage1250.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Error.h"
#include "StreamError.h"
#include "StringProc.h"

#include <QBuffer>
#include <QDir>
#include <QtEndian>
#include <deque>

namespace {

const QByteArray DisplayClass = QByteArrayLiteral("TRichEdit");
const QByteArray DisplayName = QByteArrayLiteral("Display");
const QByteArray Signature = QByteArrayLiteral("TPF0");
// A line that the code page cannot hold is stored as UTF-8 behind this mark, so that no path is
// turned into question marks.
const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

// The fixed-size parts after the display record, read from a byte view with bounds checks.
class TCursor {
public:
    explicit TCursor(QByteArrayView bytes)
        : FBytes(bytes) {}

    qsizetype Offset() const { return FOffset; }
    void Seek(qsizetype offset) { FOffset = offset; }
    qsizetype Left() const { return FBytes.size() - FOffset; }
    QByteArrayView Rest() const { return FBytes.sliced(FOffset); }

    // False (and nothing consumed) when fewer than `count` bytes are left.
    bool Take(qsizetype count, QByteArrayView &out) {
        if (count < 0 || Left() < count)
            return false;
        out = FBytes.sliced(FOffset, count);
        FOffset += count;
        return true;
    }
    template <typename T>
    bool Get(T &value) {
        QByteArrayView raw;
        if (!Take(qsizetype(sizeof(T)), raw))
            return false;
        value = qFromLittleEndian<T>(raw.data());
        return true;
    }

private:
    QByteArrayView FBytes;
    qsizetype FOffset = 0;
};

QString Truncated(const char *what, qsizetype offset) {
    return QStringLiteral("The file ends before %1 (offset %2).")
        .arg(QLatin1String(what))
        .arg(offset);
}

bool IsName(const QByteArray &name, const char *property) {
    return name.compare(QByteArrayView(property), Qt::CaseInsensitive) == 0;
}

QByteArray EncodeLine(const QString &line) {
    bool lossless = true;
    const QByteArray bytes = CodePage1250::FromUnicode(line, &lossless);
    return lossless && !bytes.startsWith(Utf8Mark) ? bytes : Utf8Mark + line.toUtf8();
}

QString DecodeLine(QByteArrayView bytes) {
    if (bytes.startsWith(Utf8Mark))
        return QString::fromUtf8(bytes.sliced(Utf8Mark.size()));
    return CodePage1250::ToUnicode(bytes);
}

// Lines end with CR LF, a lone LF or a lone CR. Text after the last end is not a line: a file cut
// inside its last line is damaged, and half a table name must not open another table.
QList<QByteArrayView> SplitLines(QByteArrayView text, int wanted) {
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size() && lines.size() < wanted) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.append(text.sliced(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    return lines;
}

bool IsLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// The stored lines of the display, cut to the last ones within the limits while they are read,
// so that no more than the limits is ever held. A line break inside a stored string makes lines
// of its own, as the text view would.
QStringList ReadDisplayLines(TComponentReader &r) {
    using ConfigFormat::MaxDisplayLines;
    using ConfigFormat::MaxDisplayText;
    std::deque<QString> lines;
    qsizetype total = 0; // characters and one break after each line
    const auto add = [&](QString line) {
        if (line.size() > MaxDisplayText)
            line = line.right(MaxDisplayText);
        total += line.size() + 1;
        lines.push_back(std::move(line));
        while (lines.size() > 1 &&
               (qsizetype(lines.size()) > MaxDisplayLines || total - 1 > MaxDisplayText)) {
            total -= lines.front().size() + 1;
            lines.pop_front();
        }
    };
    r.ReadListBegin();
    while (!r.EndOfList()) {
        const QString stored = r.ReadString();
        qsizetype start = 0;
        for (qsizetype i = 0; i < stored.size(); ++i) {
            if (IsLineBreak(stored[i])) {
                add(stored.sliced(start, i - start));
                start = i + 1;
            }
        }
        add(start == 0 ? stored : stored.sliced(start));
    }
    return QStringList(lines.begin(), lines.end());
}

} // namespace

namespace ConfigFormat {

bool HasOverlongWord(const QString &text) {
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > MaxDisplayWord)
            return true;
    }
    return false;
}

QByteArray WriteDisplayRecord(const TDisplayRecord &d) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TComponentWriter w(&buffer);
    const auto entry = [&](const char *name) { w.WritePropertyName(QByteArray(name)); };
    w.WritePrefix(DisplayClass, DisplayName);
    const auto integer = [&](const char *name, const std::optional<qint32> &v) {
        if (v) {
            entry(name);
            w.WriteInteger(*v);
        }
    };
    const auto ident = [&](const char *name, const std::optional<QByteArray> &v) {
        if (v) {
            entry(name);
            w.WriteIdent(*v);
        }
    };
    const auto boolean = [&](const char *name, const std::optional<bool> &v) {
        if (v) {
            entry(name);
            w.WriteBoolean(*v);
        }
    };
    integer("Left", d.Left);
    integer("Top", d.Top);
    integer("Width", d.Width);
    integer("Height", d.Height);
    ident("Align", d.Align);
    if (d.Color) {
        entry("Color");
        w.WriteColor(*d.Color);
    }
    if (d.FontCharset) {
        entry("Font.Charset");
        w.WriteCharset(*d.FontCharset);
    }
    if (d.FontColor) {
        entry("Font.Color");
        w.WriteColor(*d.FontColor);
    }
    integer("Font.Height", d.FontHeight);
    if (d.FontName) {
        entry("Font.Name");
        w.WriteString(*d.FontName);
    }
    if (d.FontStyle) {
        entry("Font.Style");
        w.WriteSet(*d.FontStyle);
    }
    boolean("HideScrollBars", d.HideScrollBars);
    boolean("ParentFont", d.ParentFont);
    ident("ScrollBars", d.ScrollBars);
    integer("TabOrder", d.TabOrder);
    if (!d.Lines.isEmpty()) {
        entry("Lines.Strings");
        w.WriteListBegin();
        for (const QString &line : d.Lines)
            w.WriteString(line);
        w.WriteEndOfList();
    }
    w.WriteEndOfList(); // entries
    w.WriteEndOfList(); // children
    return buffer.data();
}

TDisplayRecord ReadDisplayRecord(QIODevice *device) {
    TComponentReader r(device);
    r.ReadPrefix();
    TDisplayRecord d;
    while (!r.EndOfList()) {
        const QByteArray name = r.ReadPropertyName();
        const auto is = [&](const char *property) { return IsName(name, property); };
        if (is("Left")) {
            d.Left = r.ReadInteger();
        } else if (is("Top")) {
            d.Top = r.ReadInteger();
        } else if (is("Width")) {
            d.Width = r.ReadInteger();
        } else if (is("Height")) {
            d.Height = r.ReadInteger();
        } else if (is("Align")) {
            d.Align = r.ReadIdent();
        } else if (is("Color")) {
            d.Color = r.ReadColor();
        } else if (is("Font.Charset")) {
            d.FontCharset = r.ReadCharset();
        } else if (is("Font.Color")) {
            d.FontColor = r.ReadColor();
        } else if (is("Font.Height")) {
            d.FontHeight = r.ReadInteger();
        } else if (is("Font.Name")) {
            d.FontName = r.ReadString();
        } else if (is("Font.Style")) {
            d.FontStyle = r.ReadSet();
        } else if (is("HideScrollBars")) {
            d.HideScrollBars = r.ReadBoolean();
        } else if (is("ParentFont")) {
            d.ParentFont = r.ReadBoolean();
        } else if (is("ScrollBars")) {
            d.ScrollBars = r.ReadIdent();
        } else if (is("TabOrder")) {
            d.TabOrder = r.ReadInteger();
        } else if (is("Lines.Strings")) {
            d.Lines = ReadDisplayLines(r);
        } else {
            // Other programs store more of the control (events, borders, options): not ours.
            r.SkipValue();
        }
    }
    if (!r.EndOfList())
        throw TStreamError(QStringLiteral("The display record holds other components."));
    return d;
}

TConfigReadResult Read(QByteArrayView bytes) {
    TConfigReadResult result;
    TConfiguration &c = result.Config;
    if (bytes.size() > MaxFileSize) {
        result.Error = QStringLiteral("The file is larger than any configuration.");
        return result;
    }
    TCursor at(bytes);

    // A file starts either with the display record or with the version and then the record.
    const auto readDisplay = [&](qsizetype offset) {
        QByteArray copy = bytes.sliced(offset).toByteArray();
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        c.Display = ReadDisplayRecord(&buffer);
        at.Seek(offset + buffer.pos());
    };
    QString recordError;
    if (bytes.startsWith(Signature)) {
        try {
            readDisplay(0);
        } catch (const TStreamError &e) {
            recordError = e.Message();
            result.Version = -1; // try again behind a version
        }
    } else {
        result.Version = -1;
    }
    if (result.Version < 0) {
        result.Version = 0;
        QByteArrayView raw;
        if (!at.Take(8, raw)) {
            result.Error = Truncated("the version", 0);
            return result;
        }
        const double version = qFromLittleEndian<double>(raw.data());
        // Versions count from 1 and no program writes one above ours; anything else (NaN,
        // infinities, a newer layout) would be read with the wrong parts at the wrong offsets.
        if (!(version >= 1 && version <= Version + 1e-9)) {
            result.Error = !recordError.isEmpty()
                               ? recordError
                               : QStringLiteral("The version %1 is not one of a configuration "
                                                "file this program can read.")
                                     .arg(version);
            return result;
        }
        try {
            readDisplay(8);
        } catch (const TStreamError &e) {
            result.Error = e.Message();
            return result;
        }
        result.Version = version;
    }
    result.Reached = TConfigPart::Display;

    // Compared with a little slack: the version is stored as a double.
    if (result.Version >= Version - 1e-9) {
        QByteArrayView raw;
        if (!at.Take(TConfiguration::VoiceRecordSize, raw)) {
            result.Error = Truncated("the voice settings", at.Offset());
            return result;
        }
        c.VoiceRecord = raw.toByteArray();
    }
    result.Reached = TConfigPart::Voice;

    QByteArrayView grid;
    if (!at.Take(TGridSettings::Size, grid)) {
        result.Error = Truncated("the grid settings", at.Offset());
        return result;
    }
    c.Grid = DecodeGridSettings(grid);
    result.Reached = TConfigPart::Grid;
    if (c.Grid.SwCode1 > 255 || c.Grid.SwCode2 > 255) {
        result.Error = QStringLiteral("A switch code is above 255.");
        return result;
    }

    TConfiguration bounds;
    if (!at.Get(bounds.Left) || !at.Get(bounds.Top) || !at.Get(bounds.Right) ||
        !at.Get(bounds.Bottom)) {
        result.Error = Truncated("the window bounds", at.Offset());
        return result;
    }
    c.Left = bounds.Left;
    c.Top = bounds.Top;
    c.Right = bounds.Right;
    c.Bottom = bounds.Bottom;
    result.Reached = TConfigPart::Bounds;

    if (!at.Get(c.WindowState)) {
        result.Error = Truncated("the window state", at.Offset());
        return result;
    }
    result.Reached = TConfigPart::State;

    qint32 interval = 0;
    if (!at.Get(interval)) {
        result.Error = Truncated("the scan interval", at.Offset());
        return result;
    }
    if (interval < 0) {
        result.Error = QStringLiteral("The scan interval is negative.");
        return result;
    }
    c.Interval = interval;
    result.Reached = TConfigPart::Interval;

    if (!at.Get(c.Echo)) {
        result.Error = Truncated("the echo", at.Offset());
        return result;
    }
    result.Reached = TConfigPart::Echo;

    if (!at.Get(c.AutoReadMode)) {
        result.Error = Truncated("the reading mode", at.Offset());
        return result;
    }
    result.Reached = TConfigPart::ReadMode;

    const QList<QByteArrayView> lines = SplitLines(at.Rest(), 4);
    if (lines.size() < 4) {
        result.Error = QStringLiteral("The file holds %1 of its four lines.").arg(lines.size());
        return result;
    }
    c.TablesDir = DecodeLine(lines[0]);
    c.SoundsDir = DecodeLine(lines[1]);
    c.PicturesDir = DecodeLine(lines[2]);
    c.TableName = DecodeLine(lines[3]);
    result.Reached = TConfigPart::Lines;
    return result;
}

QByteArray Write(const TConfiguration &c) {
    QByteArray out;
    const auto put = [&](auto value) {
        char raw[sizeof(value)];
        qToLittleEndian(value, raw);
        out.append(raw, qsizetype(sizeof(value)));
    };
    put(Version);
    try {
        out.append(WriteDisplayRecord(c.Display));
    } catch (const TStreamError &e) {
        throw TError(e.Message());
    }
    QByteArray voice = c.VoiceRecord.left(TConfiguration::VoiceRecordSize);
    voice.append(QByteArray(TConfiguration::VoiceRecordSize - voice.size(), '\0'));
    out.append(voice);
    out.append(EncodeGridSettings(c.Grid));
    put(c.Left);
    put(c.Top);
    put(c.Right);
    put(c.Bottom);
    put(c.WindowState);
    put(c.Interval);
    put(c.Echo);
    put(c.AutoReadMode);
    for (const QString &line : {c.TablesDir, c.SoundsDir, c.PicturesDir, c.TableName}) {
        // A line break inside a value would shift every later line.
        QString flat = line;
        flat.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        out.append(EncodeLine(flat));
        out.append("\r\n", 2);
    }
    return out;
}

QString ChooseTable(const QString &stored, const QString &tablesDir, const QString &dataDir,
                    const QString &current,
                    const std::function<bool(const QString &)> &fileExists) {
    if (!stored.isEmpty()) {
        if (fileExists(stored))
            return stored;
        const QString inTables = ResolvePath(stored, tablesDir);
        if (fileExists(inTables))
            return inTables;
        // A data folder moved since: the same file name in today's tables directory.
        const QString moved = tablesDir + ExtractName(stored);
        if (fileExists(moved))
            return moved;
    }
    const QString index =
        dataDir + QStringLiteral("Tables") + QDir::separator() + QStringLiteral("index.kbt");
    if (fileExists(index))
        return index;
    return current;
}

} // namespace ConfigFormat

namespace ConfigFormat {

TConfiguration DesignConfiguration() {
    TConfiguration c;
    TDisplayRecord &d = c.Display;
    d.Left = 0;
    d.Top = 0;
    d.Width = 642;
    d.Height = 97;
    d.Align = QByteArrayLiteral("alTop");
    d.Color = 0xFF000005;   // clWindow
    d.FontCharset = 238;    // EASTEUROPE_CHARSET
    d.FontColor = 0x800000; // clNavy
    d.FontHeight = -16;
    d.FontName = QStringLiteral("Times New Roman");
    d.FontStyle = QList<QByteArray>();
    d.HideScrollBars = false;
    d.ParentFont = false;
    d.ScrollBars = QByteArrayLiteral("ssVertical");
    d.TabOrder = 0;

    TGridSettings &g = c.Grid;
    g.Left = 0;
    g.Top = 0;
    g.Right = 0;
    g.Bottom = 0;
    g.Align = 5; // alClient: the grid fills the key panel
    g.iCol = 0;
    g.iRow = 0;
    g.nCol = 10;
    g.nRow = 6;
    g.Focusing = false;
    g.Resizing = true;
    g.SwCode1 = 32;
    g.SwCode2 = 13;
    g.SwTime = 500;
    g.CursorColor = 0x0000FFFF;
    g.CursorWidth = 3;
    g.FocusColor = 0x000000FF;
    g.FocusWidth = 3;
    g.GridColor = 0x00808080;
    g.GridWidth = 1;
    g.ScanModes = 0;
    g.PointByMouse = false;
    return c;
}

} // namespace ConfigFormat
