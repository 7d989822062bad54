#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

// The word slots of the current table: shown or not, and how many.
class TPredictionDlg : public QDialog {
    Q_OBJECT

public:
    explicit TPredictionDlg(QWidget *parent = nullptr);

    void SetValues(bool on, int count, int minCount, int maxCount);
    bool On() const;
    int Count() const;

    QCheckBox *OnBox = nullptr;
    QSpinBox *CountBox = nullptr;
};
