#include "CommandLine.h"

#include "Version.h"

namespace {

// The toolkit's own options that take the next word as their value; the others stand alone.
bool IsToolkitOptionWithValue(const QString &word) {
    static const QStringList withValue = {
        QStringLiteral("-platform"),
        QStringLiteral("-platformpluginpath"),
        QStringLiteral("-platformtheme"),
        QStringLiteral("-plugin"),
        QStringLiteral("-qwindowgeometry"),
        QStringLiteral("-geometry"),
        QStringLiteral("-qwindowicon"),
        QStringLiteral("-icon"),
        QStringLiteral("-qwindowtitle"),
        QStringLiteral("-title"),
        QStringLiteral("-session"),
        QStringLiteral("-display"),
        QStringLiteral("-name"),
        QStringLiteral("-style"),
        QStringLiteral("-stylesheet"),
    };
    return withValue.contains(word);
}

} // namespace

TCommandLine::TCommandLine(const QStringList &arguments) {
    bool options = true;
    for (qsizetype i = 0; i < arguments.size() && FAction != caError; ++i) {
        const QString &word = arguments[i];
        if (options && word == QLatin1String("--")) {
            options = false;
        } else if (options && (word == QLatin1String("--help") || word == QLatin1String("-h"))) {
            // The first of help and version wins; neither runs the program.
            if (FAction == caRun)
                FAction = caHelp;
        } else if (options && word == QLatin1String("--version")) {
            if (FAction == caRun)
                FAction = caVersion;
        } else if (options && word == QLatin1String("--lang")) {
            if (i + 1 >= arguments.size())
                Fail(QStringLiteral("option --lang needs a language (%1)")
                         .arg(Languages().join(QLatin1String(", "))));
            else
                SetLang(arguments[++i]);
        } else if (options && word.startsWith(QLatin1String("--lang="))) {
            SetLang(word.mid(7));
        } else if (options && word.startsWith(QLatin1String("--"))) {
            Fail(QStringLiteral("unknown option %1").arg(word));
        } else if (options && word.size() > 1 && word.startsWith(QLatin1Char('-'))) {
            if (IsToolkitOptionWithValue(word))
                ++i;
        } else if (FTableFile.isEmpty() && !word.isEmpty()) {
            FTableFile = word;
        } else {
            Fail(QStringLiteral("only one table can be opened, %1 is one too many").arg(word));
        }
    }
}

void TCommandLine::Fail(const QString &error) {
    FAction = caError;
    FError = error;
}

void TCommandLine::SetLang(const QString &lang) {
    if (Languages().contains(lang))
        FLang = lang;
    else
        Fail(QStringLiteral("unknown language '%1' for --lang (%2)")
                 .arg(lang, Languages().join(QLatin1String(", "))));
}

const QStringList &TCommandLine::Languages() {
    static const QStringList languages = {QStringLiteral("cs"), QStringLiteral("en")};
    return languages;
}

QString TCommandLine::VersionText() {
    return QStringLiteral("orvanta " ORVANTA_VERSION "\n");
}

QString TCommandLine::HelpText() {
    return QStringLiteral(
        "usage: orvanta [--lang cs|en] [TABLE]\n"
        "An on-screen keyboard that speaks: compose text with large keys, by mouse or with one\n"
        "or two switches while a cursor scans the keys.\n"
        "\n"
        "  TABLE        a keyboard table (.kbt) to open instead of the last one; a bare name\n"
        "               is looked up in the tables folder\n"
        "  --lang LANG  the language of the program's texts: cs (Czech) or en (English)\n"
        "  -h, --help   print this help and exit\n"
        "  --version    print the version and exit\n"
        "\n"
        "Exit status: 0 when the program ended normally, 1 when it could not start (another\n"
        "copy is running), 2 for a wrong command line.\n");
}
