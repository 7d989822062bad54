#pragma once

#include <QDialog>

class QTextBrowser;

// The program's own window for its help pages, for a machine where no browser can be started:
// the page with its pictures and the links between the pages, nothing from outside.
class THelpViewer : public QDialog {
    Q_OBJECT

public:
    explicit THelpViewer(QWidget *parent = nullptr);

    QTextBrowser *Browser = nullptr;

    // Shows the page of the file `path`, without waiting for the window to be closed.
    void ShowPage(const QString &path);
};
