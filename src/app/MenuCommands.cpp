// The commands of the file, settings and help menus that no other part of the window owns:
// directories, printer setup, the display font, help pages, the about box and the splitter.
#include "MainForm.h"

#include "AboutBox.h"
#include "AppStrings.h"
#include "DirDialog.h"
#include "Directories.h"
#include "DirectoryChoice.h"
#include "HelpViewer.h"
#include "OpenDocument.h"
#include "Printer.h"
#include "Prompts.h"
#include "Translation.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QTextCursor>
#include <QTextEdit>

namespace {

bool DirExists(const QString &dir) {
    return QFileInfo(dir).isDir();
}

// The font the display really shows, in the points the font dialog works in: a family that is
// not installed would otherwise make the dialog start on some other face.
QFont DialogFont(const QFont &shown) {
    const QFontInfo info(shown);
    QFont font(info.family());
    font.setPointSizeF(info.pointSizeF());
    font.setBold(shown.bold());
    font.setItalic(shown.italic());
    font.setUnderline(shown.underline());
    font.setStrikeOut(shown.strikeOut());
    return font;
}

bool SameChoice(const QFont &a, const QFont &b) {
    return a.family() == b.family() && qRound(a.pointSizeF() * 10) == qRound(b.pointSizeF() * 10) &&
           a.bold() == b.bold() && a.italic() == b.italic() && a.underline() == b.underline() &&
           a.strikeOut() == b.strikeOut();
}

} // namespace

void TForm1::ChooseDirectory(const QString &caption, QString &directory) {
    DirDialog()->setWindowTitle(caption);
    DirDialog()->SetDirectory(
        DirectoryToShow(directory, QDir::toNativeSeparators(QDir::currentPath()), DirExists));
    if (ShowModal(*DirDialog()) != QDialog::Accepted)
        return;
    // The directory may have gone while the chooser was open.
    const TDirectoryChoice choice = AcceptDirectory(DirDialog()->Directory(), DirExists);
    if (choice.Exists)
        directory = choice.Directory;
    else
        Prompts().Message(AppStrings::NoSuchDirectory);
}

void TForm1::Tabulky1Click() {
    ChooseDirectory(AppStrings::DirCaptionTables, Dirs().TablesDir);
    // The table dialogs start where the tables now are.
    FTableDialogDir = Dirs().TablesDir;
}

void TForm1::Zvuky1Click() {
    ChooseDirectory(AppStrings::DirCaptionSounds, Dirs().SoundsDir);
}

void TForm1::Obrzky1Click() {
    ChooseDirectory(AppStrings::DirCaptionPictures, Dirs().PicturesDir);
    FPictureDialogDir = Dirs().PicturesDir;
}

void TForm1::Tiskrna1Click() {
    // The same printer object serves "&Tisk...", so the choice made here is kept; a PDF named
    // there is the user's own and is written where they said.
    TPrinter *printer = Printer();
    if (printer && Prompts().SetupPrinter(*printer) && printer->OutputFile() != FPdfName)
        FPdfName.clear();
}

void TForm1::TextItemClick() {
    const QFont offered = DialogFont(Display->document()->defaultFont());
    const std::optional<QFont> chosen = Prompts().ChooseFont(offered);
    // OK on the font offered keeps the display's own (its stored name and pixel height).
    if (!chosen || SameChoice(*chosen, offered))
        return;
    const int caret = Display->textCursor().position();
    QTextCursor cursor = Display->textCursor();
    cursor.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFont(*chosen);
    cursor.mergeCharFormat(format);
    Display->document()->setDefaultFont(*chosen);
    Display->setFont(*chosen);
    // The caret stays where it was rather than jumping to the start, where the next key's text
    // would otherwise land.
    cursor.setPosition(caret);
    Display->setTextCursor(cursor);
    // Text typed from here on takes the font too, also where the old text's format would
    // otherwise carry on.
    Display->setCurrentFont(*chosen);
}

// The help pages in the interface's language, in the program's own viewer when the desktop
// cannot start a browser for them.
void TForm1::ShowHelp(const QString &page) {
    const QString path = Dirs().ProgramDir + AppStrings::HelpFolder + QDir::separator() +
                         LocalizedFileName(page, InterfaceLanguage());
    if (OpenDocument(path))
        return;
    if (!HelpViewer)
        HelpViewer = new THelpViewer(this);
    HelpViewer->ShowPage(path);
}

void TForm1::Nvod1Click() {
    ShowHelp(AppStrings::HelpManual);
}

void TForm1::Prvodce1Click() {
    ShowHelp(AppStrings::HelpGuide);
}

void TForm1::Oaplikaci1Click() {
    ShowModal(*AboutBox());
}

void TForm1::Splitter1Moved() {
    FormResize();
}
