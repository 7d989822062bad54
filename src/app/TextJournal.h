#pragma once

#include <QString>
#include <optional>

// What the display held, and where its caret stood.
struct TJournalText {
    QString Text;
    int Caret = 0;
    bool operator==(const TJournalText &) const = default;
};

// The user's text kept on disk while the program runs, so a crash, a kill or a power cut costs
// at most the last moment of it. A change is written a short while after it comes, so fast typing
// makes one write, not one a key; every write replaces the file whole. A clean end removes the
// file (the configuration then holds the text), so a file found at the start means the last run
// did not end, and its text is the newest there is.
class TTextJournal {
public:
    // A change is on disk within this time.
    static constexpr qint64 DelayMs = 500;
    // Larger files are no display's text and are refused.
    static constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;

    explicit TTextJournal(QString path = {})
        : FPath(std::move(path)) {}
    const QString &Path() const { return FPath; }

    // The display changed at `now` (ms); true when a write must now be scheduled.
    bool Changed(qint64 now);
    // Whether the write is due at `now`, and how long until it is otherwise.
    bool Due(qint64 now) const { return FPending && now - FChangedAt >= DelayMs; }
    bool Pending() const { return FPending; }
    // Writes the text atomically; false (and still pending) when the disk refused it.
    bool Write(const TJournalText &text);
    // The clean end: nothing to restore next time.
    void Remove();

    // The text of a run that did not end; nothing when there is no journal or it is damaged.
    static std::optional<TJournalText> Read(const QString &path, QString *error = nullptr);
    static QByteArray Encode(const TJournalText &text);
    static std::optional<TJournalText> Decode(const QByteArray &bytes, QString *error = nullptr);

private:
    QString FPath;
    bool FPending = false;
    qint64 FChangedAt = 0;
};
