#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The program's name, version, credits and licence. Created once, shown modally from the help
// menu.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *ProductLabel = nullptr; // "Orvanta", large
    QLabel *ProducName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Credits[4] = {nullptr, nullptr, nullptr, nullptr};
    QPushButton *OKButton = nullptr;

    // The program's icon, drawn from its SVG at any size.
    static QIcon ProgramIconImage();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
};
