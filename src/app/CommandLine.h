#pragma once

#include <QString>
#include <QStringList>

// What the program was asked on its command line: to run (with a table to open and a language
// for its texts), to print its help or version, or nothing, because the words made no sense.
// Pure: it reads the words and prints nothing, so main() decides where the texts go.
class TCommandLine {
public:
    enum TAction { caRun, caHelp, caVersion, caError };

    // Exit codes of the program, as its manual page lists them.
    static constexpr int ExitOk = 0;
    static constexpr int ExitFailure = 1;
    static constexpr int ExitUsage = 2;

    // Reads the words after the program's name. Options of the toolkit (-platform xcb, -style
    // fusion, ...) are left to it; "--" ends the options, so a table may begin with a dash.
    explicit TCommandLine(const QStringList &arguments);

    TAction Action() const { return FAction; }
    // The table to open instead of the last one; empty for none.
    QString TableFile() const { return FTableFile; }
    // The language asked for the program's texts ("cs" or "en"); empty when not asked.
    QString Lang() const { return FLang; }
    // Why the words were refused (caError only), one line without the program's name.
    QString Error() const { return FError; }
    // The status the program ends with when it does not run.
    int ExitCode() const { return FAction == caError ? ExitUsage : ExitOk; }

    static QString HelpText();
    static QString VersionText();
    static const QStringList &Languages();

private:
    void Fail(const QString &error);
    void SetLang(const QString &lang);

    TAction FAction = caRun;
    QString FTableFile;
    QString FLang;
    QString FError;
};
