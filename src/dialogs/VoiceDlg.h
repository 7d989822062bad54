#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class TDeviceChoice;
class TDlgSAPI5;
class TVoice;

// The choice of speech output, the chosen engine's own settings and a test sentence. Every
// choice takes effect at once; neither OK nor Storno undoes it. Created once with the main
// window.
class TDlgVoice : public QDialog {
    Q_OBJECT

public:
    // `sapi5` (not owned, may be none) is the system engine's settings dialog.
    TDlgVoice(TVoice &voice, TDlgSAPI5 *sapi5, QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *TestTextCb = nullptr;
    QPushButton *SetupBtn = nullptr; // "Nastavení"
    QComboBox *TTSSelectCb = nullptr;
    QPushButton *TestBtn = nullptr;
    QPushButton *BitBtn3 = nullptr; // "Stop"
    TDeviceChoice *OutputGroup = nullptr;
    QPushButton *BitBtn1 = nullptr; // "OK"
    QPushButton *BitBtn2 = nullptr; // "Storno"

    void FormShow();
    // Shows the engine really in use and whether it has settings.
    void ShowEngine();
    // The user chose the entry at `item`: start it, and on failure offer the automatic search.
    void TTSSelectCbChange(int item);
    void SetupBtnClick();
    void ConfigureEngine();
    void TestBtnClick();
    void BitBtn3Click();
    // The outputs there are now, as (id, name), and those the voice and the prompts play on.
    void SetDevices(const QList<QPair<QString, QString>> &devices, const QString &speech,
                    const QString &prompts);

signals:
    // The user chose where the voice and the prompts play (empty: the system's default).
    void DevicesChosen(const QString &speech, const QString &prompts);

protected:
    void showEvent(QShowEvent *event) override;

private:
    TVoice &FVoice;
    TDlgSAPI5 *FDlgSAPI5;
};
