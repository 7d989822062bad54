#pragma once

#include "DirPlaces.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;
class QWidget;

// The directory chooser of the three directory commands: a list of places (home, documents,
// the mounted volumes) above a tree of directories. Created once with the main window; the
// caller sets the caption and the directory, shows it and reads Directory() after OK.
class TDirDialog : public QDialog {
    Q_OBJECT

public:
    explicit TDirDialog(QWidget *parent = nullptr);

    QWidget *Panel1 = nullptr;
    QComboBox *DriveList = nullptr; // the places
    QTreeView *DirList = nullptr;   // the directories of the chosen place
    QPushButton *Button1 = nullptr; // "OK"
    QPushButton *Button2 = nullptr; // "Storno"

    // The directory the tree shows as current; the dialog's result.
    QString Directory() const { return FDirectory; }
    // Shows `directory` in the tree, under the place that holds it.
    void SetDirectory(const QString &directory);

    const QList<TDirPlace> &Places() const { return FPlaces; }
    // Replaces the place list (the volumes mounted now, or a fixed list in tests).
    void SetPlaces(const QList<TDirPlace> &places);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // A place was chosen in the list: the tree shows the directory last visited there.
    void DriveListChange(int index);
    void ShowInTree(int place, const QString &directory);

    QFileSystemModel *FModel = nullptr;
    QList<TDirPlace> FPlaces;
    QHash<QString, QString> FLastInPlace; // place path -> directory last current in it
    QString FDirectory;
    bool FUpdating = false;
};
