#include "QtPrompts.h"

#include "Printer.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

QString Title() {
    return QApplication::applicationDisplayName();
}

} // namespace

void TQtPrompts::Message(const QString &text) {
    QMessageBox::information(FParent, Title(), MessageText(text));
}

void TQtPrompts::Error(const QString &text) {
    QMessageBox::critical(FParent, Title(), MessageText(text));
}

bool TQtPrompts::Question(const QString &text) {
    return QMessageBox::question(FParent, Title(), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

QString TQtPrompts::OpenFileName(const QString &title, const QString &directory,
                                 const QString &filter) {
    return QFileDialog::getOpenFileName(FParent, title, directory, filter);
}

QString TQtPrompts::OpenFileNameWithSuffix(const QString &title, const QString &directory,
                                           const QString &filter, const QString &defaultSuffix) {
    QFileDialog dialog(FParent, title, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString TQtPrompts::SaveFileName(const QString &title, const QString &directory,
                                 const QString &filter, const QString &defaultSuffix) {
    QFileDialog dialog(FParent, title, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without a suffix takes the one of the file type chosen ("(*.obz)").
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &f) {
        static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
        if (const QRegularExpressionMatch m = pattern.match(f); m.hasMatch())
            dialog.setDefaultSuffix(m.captured(1));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> TQtPrompts::ChooseColor(const QColor &initial) {
    const QColor c = QColorDialog::getColor(initial, FParent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> TQtPrompts::ChooseFont(const QFont &initial) {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, FParent);
    if (!ok)
        return std::nullopt;
    return f;
}

bool TQtPrompts::SetupPrinter(TPrinter &printer) {
    return printer.Setup(FParent);
}
