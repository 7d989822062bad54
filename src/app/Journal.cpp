// The main window's text journal: the display's text on disk within a moment of each change.
#include "AppStrings.h"
#include "Directories.h"
#include "MainForm.h"

#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace {

qint64 JournalClock() {
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

} // namespace

void TForm1::StartJournal() {
    if (Dirs().ConfigDir.isEmpty())
        return;
    FJournal = TTextJournal(Dirs().ConfigDir + AppStrings::JournalFileName);
    // A journal left behind belongs to a run that did not end: its text is newer than the one
    // the configuration kept. A damaged one is written over with the text there is.
    if (const auto kept = TTextJournal::Read(FJournal.Path())) {
        const QTextCharFormat format = Display->currentCharFormat();
        Display->setPlainText(kept->Text);
        QTextCursor cursor = Display->textCursor();
        cursor.setPosition(kept->Caret);
        Display->setTextCursor(cursor);
        Display->setCurrentCharFormat(format);
    }
    JournalTimer = new QTimer(this);
    JournalTimer->setSingleShot(true);
    connect(JournalTimer, &QTimer::timeout, this, [this] { WriteJournal(); });
    connect(Display, &QTextEdit::textChanged, this, [this] { JournalChanged(); });
    connect(Display, &QTextEdit::cursorPositionChanged, this, [this] { JournalChanged(); });
    JournalChanged();
}

void TForm1::JournalChanged() {
    if (JournalTimer && FJournal.Changed(JournalClock()))
        JournalTimer->start(int(TTextJournal::DelayMs));
}

void TForm1::WriteJournal() {
    if (!JournalTimer || !FJournal.Pending())
        return;
    JournalTimer->stop();
    if (!FJournal.Write({Display->toPlainText(), Display->textCursor().position()}))
        JournalTimer->start(int(TTextJournal::DelayMs)); // the disk may take it later
}

void TForm1::EndJournal(bool configSaved) {
    if (!JournalTimer)
        return;
    if (configSaved)
        FJournal.Remove();
    else
        WriteJournal();
    JournalTimer->stop();
}
