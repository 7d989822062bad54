#pragma once

#include <QGroupBox>
#include <QList>
#include <QPair>
#include <QString>

class QComboBox;

// Where the user's voice and the scan's prompts play: two lists of the sound outputs, the
// system's default first. An output that is chosen but unplugged now stays in its list under its
// id, so that it is used again once it is back and saving does not lose it.
class TDeviceChoice : public QGroupBox {
    Q_OBJECT

public:
    explicit TDeviceChoice(QWidget *parent = nullptr);

    QComboBox *SpeechDeviceCombo = nullptr;
    QComboBox *PromptDeviceCombo = nullptr;

    // The outputs there are now, as (id, name); the choice stays as it was.
    void SetDevices(const QList<QPair<QString, QString>> &devices);
    // Empty ids stand for the system's default.
    void Fill(const QString &speech, const QString &prompts);
    QString SpeechDevice() const;
    QString PromptDevice() const;

signals:
    // The user chose another output in either list.
    void Chosen();

private:
    static void Choose(QComboBox *combo, const QString &id);
};
