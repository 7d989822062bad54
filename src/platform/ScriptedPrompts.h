#pragma once

#include "Prompts.h"

#include <QList>
#include <QStringList>

// Prompts for tests: records every text shown and answers from queues filled beforehand.
// An empty queue answers "no" / cancel, so a test never blocks.
class TScriptedPrompts final : public TPrompts {
public:
    enum TKind { kMessage, kError, kQuestion, kOpenFile, kSaveFile, kColor, kFont, kPrinter };
    struct TShown {
        TKind Kind;
        QString Text;      // message text, or the dialog's title
        QString Directory; // file dialogs: the folder (and file name) they start with
    };

    QList<TShown> Shown;
    QList<bool> Answers;       // for Question
    QStringList FileNames;     // for OpenFileName / SaveFileName
    QList<QColor> Colors;      // for ChooseColor
    QList<QFont> Fonts;        // for ChooseFont
    QList<QFont> OfferedFonts; // the fonts ChooseFont started with
    QList<bool> PrinterAnswers;

    void Message(const QString &text) override { Shown.append(TShown{kMessage, text, {}}); }
    void Error(const QString &text) override { Shown.append(TShown{kError, text, {}}); }
    bool Question(const QString &text) override {
        Shown.append(TShown{kQuestion, text, {}});
        return Answers.isEmpty() ? false : Answers.takeFirst();
    }
    QString OpenFileName(const QString &title, const QString &directory, const QString &) override {
        Shown.append(TShown{kOpenFile, title, directory});
        return FileNames.isEmpty() ? QString() : FileNames.takeFirst();
    }
    QString SaveFileName(const QString &title, const QString &directory, const QString &,
                         const QString &) override {
        Shown.append(TShown{kSaveFile, title, directory});
        return FileNames.isEmpty() ? QString() : FileNames.takeFirst();
    }
    std::optional<QColor> ChooseColor(const QColor &) override {
        Shown.append(TShown{kColor, {}, {}});
        if (Colors.isEmpty())
            return std::nullopt;
        return Colors.takeFirst();
    }
    std::optional<QFont> ChooseFont(const QFont &initial) override {
        Shown.append(TShown{kFont, {}, {}});
        OfferedFonts.append(initial);
        if (Fonts.isEmpty())
            return std::nullopt;
        return Fonts.takeFirst();
    }
    bool SetupPrinter(TPrinter &) override {
        Shown.append(TShown{kPrinter, {}, {}});
        return PrinterAnswers.isEmpty() ? false : PrinterAnswers.takeFirst();
    }

    QStringList Texts() const {
        QStringList out;
        for (const TShown &s : Shown)
            out.append(s.Text);
        return out;
    }
};
