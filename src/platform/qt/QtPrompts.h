#pragma once

#include "Prompts.h"

class QWidget;

// The prompts as real Qt dialogs, parented to the main window when there is one.
class TQtPrompts final : public TPrompts {
public:
    explicit TQtPrompts(QWidget *parent = nullptr)
        : FParent(parent) {}
    void SetParent(QWidget *parent) { FParent = parent; }

    void Message(const QString &text) override;
    void Error(const QString &text) override;
    bool Question(const QString &text) override;
    QString OpenFileName(const QString &title, const QString &directory,
                         const QString &filter) override;
    QString OpenFileNameWithSuffix(const QString &title, const QString &directory,
                                   const QString &filter, const QString &defaultSuffix) override;
    QString SaveFileName(const QString &title, const QString &directory, const QString &filter,
                         const QString &defaultSuffix) override;
    std::optional<QColor> ChooseColor(const QColor &initial) override;
    std::optional<QFont> ChooseFont(const QFont &initial) override;
    bool SetupPrinter(TPrinter &printer) override;

private:
    QWidget *FParent;
};
