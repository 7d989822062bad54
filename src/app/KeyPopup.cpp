// The key menu of edit mode: pictures from a file or the clipboard, and the settings dialog.
#include "MainForm.h"

#include "AppStrings.h"
#include "Directories.h"
#include "Error.h"
#include "KeySettingDlg.h"
#include "Limits.h"
#include "Picture.h"
#include "Prompts.h"
#include "VxKey.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

void TForm1::BuildTablePopup() {
    TablePopup = new QMenu(this);
    TablePopup->setObjectName(QStringLiteral("TablePopup"));
    const auto item = [this](const QString &caption, void (TForm1::*handler)()) {
        QAction *a = TablePopup->addAction(caption);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    LoadItem = item(AppStrings::LoadItem, &TForm1::LoadItemClick);
    ClearItem = item(AppStrings::ClearItem, &TForm1::ClearItemClick);
    CopyItem = item(AppStrings::CopyItem, &TForm1::CopyItemClick);
    PasteItem = item(AppStrings::PasteItem, &TForm1::PasteItemClick);
    UpravitItem = item(AppStrings::UpravitItem, &TForm1::UpravitClick);
}

void TForm1::TablePopupPopup(TVxKey *key) {
    FPopupKey = key;
    const bool hasPicture = key && !key->Symbol().IsEmpty();
    ClearItem->setEnabled(hasPicture);
    CopyItem->setEnabled(hasPicture);
    LoadItem->setEnabled(true);
    PasteItem->setEnabled(true);
    UpravitItem->setEnabled(true);
}

void TForm1::LoadItemClick() {
    if (!FPopupKey)
        return;
    const QString file = Prompts().OpenFileName(AppStrings::LoadPictTitle, FPictureDialogDir,
                                                AppStrings::LoadPictFilter);
    if (file.isEmpty() || !FPopupKey)
        return;
    try {
        TPicture picture = TPicture::FromFile(file);
        picture.SetTransparent(true);
        FPopupKey->SetSymbol(picture);
    } catch (const TError &e) {
        Prompts().Error(e.Message());
        return;
    }
    FPopupKey->update();
    SetTableName(QString());
}

void TForm1::ClearItemClick() {
    if (!FPopupKey)
        return;
    FPopupKey->SetSymbol(TPicture());
    FPopupKey->update();
    SetTableName(QString());
}

void TForm1::CopyItemClick() {
    if (!FPopupKey)
        return;
    QApplication::clipboard()->setImage(FPopupKey->Symbol().ToImage());
    SetTableName(QString());
}

void TForm1::PasteItemClick() {
    if (!FPopupKey)
        return;
    // Whatever goes wrong here is dropped silently; what was already taken stays.
    try {
        const QMimeData *data = QApplication::clipboard()->mimeData();
        if (data && data->hasImage()) {
            const QImage image = qvariant_cast<QImage>(data->imageData());
            if (!image.isNull())
                FPopupKey->SetSymbol(TPicture::FromImageAsJpeg(image));
        }
        if (data && data->hasText())
            FPopupKey->SetText(data->text().left(Limits::MaxKeyText));
    } catch (const TError &) {
    }
    FPopupKey->update();
    SetTableName(QString());
}

void TForm1::ShowKeyDialog(TVxKey *key, std::function<void()> accepted) {
    if (!key || KeySettingDlg()->isVisible())
        return;
    if (KeySettingDlg()->KeybdDialogDir.isEmpty())
        KeySettingDlg()->KeybdDialogDir = Dirs().TablesDir;
    if (KeySettingDlg()->SoundDialogDir.isEmpty())
        KeySettingDlg()->SoundDialogDir = Dirs().SoundsDir;
    if (KeySettingDlg()->ImageDialogDir.isEmpty())
        KeySettingDlg()->ImageDialogDir = Dirs().PicturesDir;
    KeySettingDlg()->FillFromKey(key);
    // Modal to the window, but without a nested event loop: the answer arrives by signal.
    connect(
        KeySettingDlg(), &QDialog::finished, this,
        [accepted = std::move(accepted)](int result) {
            if (result != QDialog::Rejected)
                accepted();
        },
        Qt::SingleShotConnection);
    KeySettingDlg()->open();
    // Straight to the keyboard: a switch or keyboard user must not have to click into it.
    KeySettingDlg()->activateWindow();
}

void TForm1::UpravitClick() {
    const QPointer<TVxKey> key = FPopupKey;
    ShowKeyDialog(key, [this, key] {
        if (key)
            key->AssignKey(KeySettingDlg()->WorkingKey());
        SetTableName(QString());
    });
}

void TForm1::Edit1Click() {
    if (FSelection.isEmpty()) {
        Prompts().Message(AppStrings::NoKeySelected);
        return;
    }
    ShowKeyDialog(FSelection.constFirst(), [this] {
        KeySettingDlg()->ApplyBtnClick();
        SetTableName(QString());
    });
}
