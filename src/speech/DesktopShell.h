#pragma once

#include "Shell.h"

#include <QByteArray>
#include <QStringList>

// The desktop's shell: documents open in their associated application, programs start
// detached, and file-type associations come from the freedesktop.org mime-apps lists and
// desktop entries.
class TDesktopShell final : public TShell {
public:
    std::int32_t ExecuteFile(const QString &file, const QString &parameters, int show,
                             const QString &directory) override;
    std::optional<QString> OpenCommand(const QString &suffix) override;

    // The desktop entries a mimeapps.list names as the default for `mimeType`, in order.
    static QStringList DefaultApplications(const QByteArray &mimeAppsList, const QString &mimeType);
    // The MIME type of a file name by the shared MIME database's glob lists ("weight:type:glob"
    // lines, the most important list first); empty when no pattern matches.
    static QString TypeOfFileName(const QList<QByteArray> &globLists, const QString &fileName);
    // The Exec line of a desktop entry's main group, unchanged; nothing without one.
    static std::optional<QString> ExecLine(const QByteArray &desktopEntry);
};
