#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class TPrinter;

// Every message box, question and common dialog of the program goes through this seam, so that
// tests can script the answers and read exactly what the user would have seen.
class TPrompts {
public:
    virtual ~TPrompts() = default;

    // A plain message with an OK button.
    virtual void Message(const QString &text) = 0;
    // An error box with one OK button.
    virtual void Error(const QString &text) = 0;
    // A Yes/No question; true means Yes.
    virtual bool Question(const QString &text) = 0;

    // File dialogs; an empty string means the user cancelled.
    virtual QString OpenFileName(const QString &title, const QString &directory,
                                 const QString &filter) = 0;
    // An open dialog that completes a name typed without an extension with `defaultSuffix`.
    virtual QString OpenFileNameWithSuffix(const QString &title, const QString &directory,
                                           const QString &filter, const QString &defaultSuffix) {
        Q_UNUSED(defaultSuffix);
        return OpenFileName(title, directory, filter);
    }
    virtual QString SaveFileName(const QString &title, const QString &directory,
                                 const QString &filter, const QString &defaultSuffix) = 0;

    virtual std::optional<QColor> ChooseColor(const QColor &initial) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont &initial) = 0;
    // Lets the user pick and set up a printer; false when cancelled.
    virtual bool SetupPrinter(TPrinter &printer) = 0;
};

// The program-wide prompts. Until one is installed, a widget-free fallback writes to stderr and
// answers "no" / cancel, so nothing can block.
TPrompts &Prompts();
// Installs `prompts` (not owned) and returns the previous one; nullptr restores the fallback.
TPrompts *SetPrompts(TPrompts *prompts);

// Turns the "\r" line breaks of the program's message texts into line feeds for display.
QString MessageText(const QString &text);
