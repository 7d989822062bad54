#include "DirDialog.h"

#include "DialogStrings.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

TDirDialog::TDirDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DirDialog"));
    setWindowTitle(DialogStrings::DirCaption);
    // Wider and taller than a drive list needs: a tree shows nested folders side by side.
    setFixedSize(320, 400);

    Panel1 = new QWidget(this);
    auto *panelColumn = new QVBoxLayout(Panel1);
    panelColumn->setContentsMargins(0, 0, 0, 0);
    DriveList = new QComboBox(Panel1);
    DriveList->setObjectName(QStringLiteral("DriveList"));
    DriveList->setAccessibleName(DialogStrings::PlacesName);
    panelColumn->addWidget(DriveList);

    FModel = new QFileSystemModel(this);
    FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    FModel->setReadOnly(true);
    FModel->setRootPath(QDir::rootPath());
    DirList = new QTreeView(Panel1);
    DirList->setObjectName(QStringLiteral("DirList"));
    DirList->setAccessibleName(DialogStrings::TreeName);
    DirList->setModel(FModel);
    DirList->setHeaderHidden(true);
    for (int column = 1; column < FModel->columnCount(); ++column)
        DirList->hideColumn(column);
    DirList->setSelectionMode(QAbstractItemView::SingleSelection);
    panelColumn->addWidget(DirList, 1);

    Button1 = new QPushButton(DialogStrings::PlainOk, this);
    Button1->setDefault(true);
    Button2 = new QPushButton(DialogStrings::PlainCancel, this);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addWidget(Panel1, 1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(Button1);
    row->addWidget(Button2);
    column->addLayout(row);

    connect(DriveList, &QComboBox::activated, this, &TDirDialog::DriveListChange);
    connect(DirList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                if (FUpdating || !current.isValid())
                    return;
                // The tree moves on by itself when the current directory is deleted; the
                // choice stays the deleted one, so OK can say it no longer exists.
                if (previous.isValid() && !QFileInfo(FModel->filePath(previous)).isDir())
                    return;
                FDirectory = QDir::toNativeSeparators(FModel->filePath(current));
                const int place = DriveList->currentIndex();
                if (place >= 0 && place < FPlaces.size())
                    FLastInPlace.insert(FPlaces[place].Path, FDirectory);
            });

    SetPlaces(StandardPlaces());
}

void TDirDialog::SetPlaces(const QList<TDirPlace> &places) {
    FPlaces = places;
    FLastInPlace.clear();
    FUpdating = true;
    DriveList->clear();
    for (const TDirPlace &p : std::as_const(FPlaces))
        DriveList->addItem(p.Name, p.Path);
    FUpdating = false;
}

void TDirDialog::SetDirectory(const QString &directory) {
    FDirectory = directory;
    ShowInTree(PlaceFor(FPlaces, directory), directory);
}

void TDirDialog::DriveListChange(int index) {
    if (index < 0 || index >= FPlaces.size())
        return;
    const QString &path = FPlaces[index].Path;
    const QString last = FLastInPlace.value(path);
    const QString directory = !last.isEmpty() && QDir(last).exists() ? last : path;
    FDirectory = QDir::toNativeSeparators(directory);
    ShowInTree(index, directory);
}

void TDirDialog::ShowInTree(int place, const QString &directory) {
    FUpdating = true;
    DriveList->setCurrentIndex(place);
    // The tree starts at the place, so the list above it says where the user is.
    const QString top = place >= 0 ? FPlaces[place].Path : QDir::rootPath();
    DirList->setRootIndex(FModel->index(top));
    const QModelIndex index = FModel->index(QDir::fromNativeSeparators(directory));
    if (index.isValid()) {
        DirList->setCurrentIndex(index);
        DirList->expand(index);
        DirList->scrollTo(index, QAbstractItemView::PositionAtCenter);
    } else {
        DirList->clearSelection();
    }
    if (place >= 0)
        FLastInPlace.insert(FPlaces[place].Path, QDir::toNativeSeparators(directory));
    FUpdating = false;
}

void TDirDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    DirList->setFocus();
}
