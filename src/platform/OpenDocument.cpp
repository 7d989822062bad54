#include "OpenDocument.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

TOpenDocument gOpen;

} // namespace

bool OpenDocument(const QString &path) {
    if (gOpen)
        return gOpen(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

TOpenDocument SetOpenDocument(TOpenDocument open) {
    TOpenDocument old = std::move(gOpen);
    gOpen = std::move(open);
    return old;
}
