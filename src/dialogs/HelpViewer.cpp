#include "HelpViewer.h"

#include "DialogStrings.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpViewer::THelpViewer(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(DialogStrings::HelpCaption);
    resize(640, 520);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    // A link out of the pages would need the browser that is missing.
    Browser->setOpenExternalLinks(false);
    auto *close = new QPushButton(DialogStrings::HelpClose, this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *column = new QVBoxLayout(this);
    column->addWidget(Browser, 1);
    column->addWidget(close, 0, Qt::AlignRight);
}

void THelpViewer::ShowPage(const QString &path) {
    Browser->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
    Browser->setFocus();
}
