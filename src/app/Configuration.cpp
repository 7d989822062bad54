// The configuration file of the main window: what the last run left is applied at start and
// collected again at exit. The file's bytes are ConfigFormat's business.
#include "MainForm.h"

#include "AppStrings.h"
#include "BoundedRead.h"
#include "ColorMap.h"
#include "ConfigFormat.h"
#include "Directories.h"
#include "Error.h"
#include "FileLookup.h"
#include "GridSettings.h"
#include "Prompts.h"
#include "SpeechOutput.h"
#include "StringProc.h"
#include "SwitchFilter.h"
#include "TimeGrid.h"
#include "VoiceSettings.h"
#include "VoiceStrings.h"
#include "WindowBounds.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QScreen>
#include <QSplitter>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

enum : quint8 { kStateNormal = 0, kStateMinimized = 1, kStateMaximized = 2 };

// Larger faces are of no use in the display and only cost memory in the glyph caches.
constexpr int MaxFontPixels = 1024;

const std::pair<const char *, int> StyleNames[] = {
    {"fsBold", 1}, {"fsItalic", 2}, {"fsUnderline", 4}, {"fsStrikeOut", 8}};

int StyleFlags(const QList<QByteArray> &names) {
    int flags = 0;
    for (const QByteArray &name : names) {
        for (const auto &[text, flag] : StyleNames) {
            if (name.compare(QByteArrayView(text), Qt::CaseInsensitive) == 0)
                flags |= flag;
        }
    }
    return flags;
}

QList<QByteArray> StyleNamesOf(const QFont &font) {
    QList<QByteArray> names;
    const bool on[] = {font.bold(), font.italic(), font.underline(), font.strikeOut()};
    for (int i = 0; i < 4; ++i) {
        if (on[i])
            names.append(QByteArray(StyleNames[i].first));
    }
    return names;
}

// The stored colour when it still gives what is shown (system colours stay system colours),
// else the colour shown.
quint32 StoredColor(const std::optional<quint32> &stored, const QColor &shown,
                    const QPalette &palette) {
    if (stored && ToQColor(*stored, palette) == shown)
        return *stored;
    return FromQColor(shown);
}

bool FileExists(const QString &path) {
    return !path.isEmpty() && QFileInfo(LocateFile(path)).isFile();
}

} // namespace

void TForm1::ApplyDisplay(const TDisplayRecord &d) {
    if (d.Height && *d.Height > 0) {
        const QList<int> sizes = Splitter1->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        const int height = std::min(*d.Height, std::max(total - 1, 1));
        Splitter1->setSizes({height, std::max(total - height, 1)});
    }
    if (d.Color) {
        QPalette p = Display->palette();
        p.setColor(QPalette::Base, ToQColor(*d.Color, p, p.color(QPalette::Base)));
        Display->setPalette(p);
    }
    QFont font = Display->font();
    if (d.FontName && !d.FontName->isEmpty())
        font.setFamilies(QStringList{*d.FontName});
    if (d.FontHeight && *d.FontHeight != 0)
        font.setPixelSize(int(std::min<qint64>(std::abs(qint64(*d.FontHeight)), MaxFontPixels)));
    if (d.FontStyle) {
        const int flags = StyleFlags(*d.FontStyle);
        font.setBold(flags & 1);
        font.setItalic(flags & 2);
        font.setUnderline(flags & 4);
        font.setStrikeOut(flags & 8);
    }
    QColor textColor = Display->palette().color(QPalette::Text);
    if (d.FontColor)
        textColor = ToQColor(*d.FontColor, Display->palette(), textColor);
    // Kept as stored, so that a system colour or a charset is written back as it came.
    if (d.Color)
        FDisplayRecord.Color = d.Color;
    if (d.FontCharset)
        FDisplayRecord.FontCharset = d.FontCharset;
    if (d.FontColor)
        FDisplayRecord.FontColor = d.FontColor;

    Display->setFont(font);
    Display->document()->setDefaultFont(font);
    QPalette p = Display->palette();
    p.setColor(QPalette::Text, textColor);
    Display->setPalette(p);
    if (!d.Lines.isEmpty()) {
        const QString text = d.Lines.join(QLatin1Char('\n'));
        // A page-long run without spaces would hang the layout looking for a word boundary.
        if (ConfigFormat::HasOverlongWord(text))
            Display->setWordWrapMode(QTextOption::WrapAnywhere);
        Display->setPlainText(text);
    }
    // New text is written in the display's font, after what the last run left.
    QTextCursor cursor = Display->textCursor();
    cursor.movePosition(QTextCursor::End);
    Display->setTextCursor(cursor);
    Display->setCurrentFont(font);
    Display->setTextColor(textColor);
}

TDisplayRecord TForm1::CollectDisplay() const {
    TDisplayRecord d = FDisplayRecord;
    d.Left = Display->x();
    d.Top = Display->y();
    d.Width = Display->width();
    d.Height = Display->height();
    const QFont font = Display->font();
    const QPalette palette = Display->palette();
    d.Color = StoredColor(d.Color, palette.color(QPalette::Base), palette);
    d.FontColor = StoredColor(d.FontColor, palette.color(QPalette::Text), palette);
    d.FontName = font.family();
    // A font chosen in the font dialog comes in points; the file holds pixels.
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    if (pixels > 0)
        d.FontHeight = -pixels;
    d.FontStyle = StyleNamesOf(font);
    const QString text = Display->toPlainText();
    d.Lines = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    return d;
}

void TForm1::SetWindowSize(const QSize &size) {
    // In work mode the window keeps its size: it is released only to take the stored one.
    const bool fixed = minimumSize() == maximumSize();
    if (fixed) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    resize(size);
    if (fixed)
        setFixedSize(this->size());
}

void TForm1::ApplyBounds(qint32 left, qint32 top, qint32 right, qint32 bottom) {
    // A window restored off every screen (a monitor gone since) would leave the user nothing to
    // reach: it keeps its place then, and never grows past the desktop nor shrinks below use.
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const auto placement = WindowBounds::Restore(left, top, right, bottom, screens);
    if (!placement)
        return; // nothing stored: the window stays in the middle of the screen
    SetWindowSize(placement->Size);
    if (placement->Position)
        move(*placement->Position);
}

bool TForm1::ApplyConfiguration(const TConfigReadResult &read, TVoiceSettings &voice) {
    const TConfiguration &c = read.Config;
    if (!read.Has(TConfigPart::Display))
        return false;
    ApplyDisplay(c.Display);
    if (!read.Has(TConfigPart::Voice))
        return false;
    ReadVoiceSettings(c.VoiceRecord, voice);
    if (!read.Has(TConfigPart::Grid))
        return false;
    QByteArray grid = EncodeGridSettings(c.Grid);
    QBuffer buffer(&grid);
    buffer.open(QIODevice::ReadOnly);
    TimeGrid1->ReadSettings(&buffer);
    HookKey->SetSwitchKeys(TimeGrid1->SwCode1(), TimeGrid1->SwCode2());
    if (!read.Has(TConfigPart::Bounds))
        return false;
    ApplyBounds(c.Left, c.Top, c.Right, c.Bottom);
    if (!read.Has(TConfigPart::State))
        return false;
    // A window that starts minimized is one a switch user cannot bring back: it starts normal.
    if (c.WindowState == kStateMaximized) {
        if (const QScreen *screen = QGuiApplication::screenAt(geometry().center()))
            SetWindowSize(screen->availableGeometry().size());
        setWindowState(Qt::WindowMaximized);
    }
    if (!read.Has(TConfigPart::Interval))
        return false;
    if (c.Interval > 0)
        Timer2->setInterval(c.Interval);
    if (!read.Has(TConfigPart::Echo))
        return false;
    Menu.EchoItem->setChecked(c.Echo == 1);
    if (!read.Has(TConfigPart::ReadMode))
        return false;
    SetAutoReadMode(c.AutoReadMode);
    if (!read.Has(TConfigPart::Lines))
        return false;

    const auto replaceDir = [](QString &dir, const QString &line) {
        if (!line.isEmpty() && QFileInfo(line).isDir())
            dir = WithTrailingSeparator(QDir::toNativeSeparators(line));
    };
    replaceDir(Dirs().TablesDir, c.TablesDir);
    replaceDir(Dirs().SoundsDir, c.SoundsDir);
    replaceDir(Dirs().PicturesDir, c.PicturesDir);
    FTableDialogDir = Dirs().TablesDir;
    FPictureDialogDir = Dirs().PicturesDir;
    // A table the user named on the command line is the one they asked for.
    if (!FTableFromCommandLine)
        SetTableName(ConfigFormat::ChooseTable(c.TableName, Dirs().TablesDir, Dirs().DataDir,
                                               FTableName, FileExists));
    FLastTableName = FTableName;
    return read.Ok();
}

bool TForm1::LoadConfig(const QString &fileName) {
    TVoiceSettings voice = FSpeech->GetVoiceSettings();
    if (voice.Kind == vkNone)
        voice.Kind = vkAuto;

    bool complete = false;
    try {
        // Only a regular file: a pipe or a device in its place would block the start forever.
        QFile file(fileName);
        if (QFileInfo(fileName).isFile() && file.open(QIODevice::ReadOnly) &&
            file.size() <= ConfigFormat::MaxFileSize) {
            const QByteArray bytes = ReadAtMost(file, ConfigFormat::MaxFileSize);
            complete = ApplyConfiguration(ConfigFormat::Read(bytes), voice);
        }
    } catch (const TError &) {
        complete = false;
    }
    if (!complete)
        Prompts().Error(AppStrings::ConfigUnreadable + fileName);

    // A table named on the command line comes first; one that cannot be read is told, and the
    // start goes on as without it.
    bool loaded = false;
    if (!FCommandLineTable.isEmpty()) {
        try {
            LoadTable(std::exchange(FCommandLineTable, QString()));
            loaded = true;
        } catch (const TError &e) {
            Prompts().Error(e.Message());
        }
    }
    if (!loaded && FileExists(FTableName)) {
        try {
            LoadTable(FTableName);
        } catch (const TError &) {
            SetEditMode(true);
        }
    } else if (!loaded) {
        Prompts().Error(AppStrings::DefaultTableMissing + FTableName + QLatin1Char('\r') +
                        AppStrings::FindTable);
        SetEditMode(true);
        Open1Click();
    }

    FStartVoice = voice;
    // A window made without any speech output has none to start.
    if (!FNoSpeech && !FSpeech->ApplyVoiceSettings(voice))
        Prompts().Message(VoiceStrings::NoSynthesizer);
    return complete;
}

TConfiguration TForm1::CollectConfiguration() const {
    TConfiguration c;
    c.Display = CollectDisplay();
    // Without a speech output the user's choice is kept as it came.
    c.VoiceRecord = WriteVoiceSettings(FNoSpeech ? FStartVoice : FSpeech->GetVoiceSettings());
    QBuffer grid;
    grid.open(QIODevice::WriteOnly);
    TimeGrid1->WriteSettings(&grid);
    c.Grid = DecodeGridSettings(grid.data());
    // A maximized window keeps the bounds it returns to, placed by its frame as a normal one.
    const QRect bounds = isMaximized() || isMinimized()
                             ? QRect(WindowBounds::NormalFramePosition(normalGeometry(),
                                                                       geometry().topLeft(), pos()),
                                     normalGeometry().size())
                             : QRect(pos(), size());
    c.Left = bounds.x();
    c.Top = bounds.y();
    c.Right = bounds.x() + bounds.width();
    c.Bottom = bounds.y() + bounds.height();
    c.WindowState = isMinimized()   ? kStateMinimized
                    : isMaximized() ? kStateMaximized
                                    : kStateNormal;
    c.Interval = Timer2->interval();
    c.Echo = Menu.EchoItem->isChecked() ? 1 : 0;
    c.AutoReadMode = AutoReadMode;
    c.TablesDir = Dirs().TablesDir;
    c.SoundsDir = Dirs().SoundsDir;
    c.PicturesDir = Dirs().PicturesDir;
    c.TableName = FTableName.isEmpty() ? FLastTableName : FTableName;
    return c;
}

bool TForm1::SaveConfig(const QString &fileName) {
    try {
        const QByteArray bytes = ConfigFormat::Write(CollectConfiguration());
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        QSaveFile file(fileName);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
               file.commit();
    } catch (const std::exception &) {
        return false;
    }
}
