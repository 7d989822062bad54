#pragma once

#include <QDialog>
#include <initializer_list>

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

    // The program's icon in the sizes given, of those drawn at build time: by default those a
    // window manager asks for.
    static QIcon ProgramIconImage(std::initializer_list<int> sizes = {16, 24, 32, 48, 64});

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
};
