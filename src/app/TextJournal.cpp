#include "TextJournal.h"

#include "BoundedRead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray kMagic = QByteArrayLiteral("ORVANTA-TEXT 1\n");

} // namespace

bool TTextJournal::Changed(qint64 now) {
    if (FPending)
        return false;
    FPending = true;
    FChangedAt = now;
    return true;
}

QByteArray TTextJournal::Encode(const TJournalText &text) {
    return kMagic + QByteArray::number(text.Caret) + '\n' + text.Text.toUtf8();
}

std::optional<TJournalText> TTextJournal::Decode(const QByteArray &bytes, QString *error) {
    const auto fail = [error](const char *why) -> std::optional<TJournalText> {
        if (error)
            *error = QString::fromLatin1(why);
        return std::nullopt;
    };
    if (!bytes.startsWith(kMagic))
        return fail("not a text journal");
    const qsizetype end = bytes.indexOf('\n', kMagic.size());
    if (end < 0 || end - kMagic.size() > 10)
        return fail("no caret position");
    bool ok = false;
    const int caret = bytes.mid(kMagic.size(), end - kMagic.size()).toInt(&ok);
    if (!ok || caret < 0)
        return fail("no caret position");
    TJournalText text;
    text.Text = QString::fromUtf8(bytes.mid(end + 1));
    // The caret stays inside the text, wherever the file put it.
    text.Caret = qMin(caret, int(text.Text.size()));
    return text;
}

std::optional<TJournalText> TTextJournal::Read(const QString &path, QString *error) {
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    if (!info.isFile() || info.size() > MaxFileBytes) {
        if (error)
            *error = QStringLiteral("not a text journal");
        return std::nullopt;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return std::nullopt;
    }
    return Decode(ReadAtMost(in, MaxFileBytes), error);
}

bool TTextJournal::Write(const TJournalText &text) {
    if (FPath.isEmpty())
        return false;
    // On a first start the configuration folder is made only when the settings are saved; the
    // text is kept from the first change.
    QDir().mkpath(QFileInfo(FPath).absolutePath());
    QSaveFile out(FPath);
    const QByteArray bytes = Encode(text);
    if (bytes.size() > MaxFileBytes || !out.open(QIODevice::WriteOnly) ||
        out.write(bytes) != bytes.size() || !out.commit())
        return false;
    FPending = false;
    return true;
}

void TTextJournal::Remove() {
    FPending = false;
    if (!FPath.isEmpty())
        QFile::remove(FPath);
}
