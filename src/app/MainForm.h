#pragma once

#include "MainMenu.h"

#include <QMainWindow>
#include <QString>

class QLabel;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTextEdit;
class QTimer;
class QToolButton;
class QWidget;

// The main window: the text display on top, the control strip, the key panel and, in edit
// mode, the status bar. Its work is split by concern over several .cpp files.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(const QStringList &arguments, QWidget *parent = nullptr);
    ~TForm1() override;

    // Controls, under their form names.
    QTextEdit *Display = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *CtrPanel = nullptr;
    QLabel *CapsLockLabel = nullptr;
    QLabel *ShiftLabel = nullptr;
    QLabel *EditLabel = nullptr;
    QLabel *ScanningLabel = nullptr;
    QWidget *Panel1 = nullptr;
    QLabel *DiacrLabel = nullptr;
    QPushButton *EditButton = nullptr;
    QToolButton *BitBtn1 = nullptr;
    QPushButton *Button1 = nullptr;
    QWidget *KeyPanel = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *StatusPanels[3] = {nullptr, nullptr, nullptr};
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    TMainMenu Menu;

    bool EditMode() const { return FEditMode; }
    bool Scanning() const { return FScanning; }
    QString TableName() const { return FTableName; }
    QString LastTableName() const { return FLastTableName; }
    // Number of selected keys, as the status bar shows it.
    int SelectedCount() const { return FSelectedCount; }

    void SetEditMode(bool on);
    void SetScanning(bool on);
    void SetTableName(const QString &name);

    // "&Konec": closes the window, which ends the program.
    void Terminate();

    // Rewrites the second status panel; Timer1 calls it every second.
    void Timer1Timer();
    // One scan step; Timer2 calls it.
    void Timer2Timer();

    void EditButtonClick();
    void ScanItemClick();

    // Loads a keyboard table; throws TTableError with the user's message when it cannot.
    void LoadTable(const QString &fileName);
    // Offers to save an unnamed table that has keys.
    void AskSaveTable();
    // Removes every key of the current table.
    void ClearTable();
    // Restores and saves the state of the previous run; false when that failed.
    bool LoadConfig(const QString &fileName);
    bool SaveConfig(const QString &fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildControls();
    QWidget *BuildCtrPanel();
    void BuildStatusBar();
    void BuildMenu();

    void FormCreate(const QStringList &arguments);
    void FormDestroy();
    void FormActivate();
    void FormKeyDown(int virtualKey);
    void FormResize();

    // Initial folders of the table and picture file dialogs.
    QString FTableDialogDir;
    QString FPictureDialogDir;

    bool FEditMode = true;
    bool FScanning = false;
    bool FDestroyed = false;
    int FSelectedCount = 0;
    QString FTableName;
    QString FLastTableName;
};
