// orvanta-predict: the words the prediction slots would show, for measurement and for carers.
// Reads lines of text on standard input, each the text before the caret as the display holds it,
// and writes for each the candidates, tab-separated, best first.
#include "Lexicon.h"
#include "PredictText.h"
#include "Predictor.h"
#include "ShippedFile.h"
#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char UsageText[] =
    "usage: orvanta-predict [--lang cs|en] [--slots N] [--learn FILE] [--lexicon FILE]\n"
    "       orvanta-predict --help | --version\n";

int Usage(const char *why) {
    std::fprintf(stderr, "orvanta-predict: %s\n%s", why, UsageText);
    return 2;
}

int Help() {
    std::fputs(UsageText, stdout);
    std::fputs(
        "\n"
        "Word prediction of orvanta from the command line. Each line read on standard input\n"
        "is the text before the caret, as the display would hold it; successive lines are\n"
        "successive states of the text. For each line one line is written: the words the\n"
        "prediction slots would show, tab-separated, best first.\n"
        "  --lang cs|en    the language of the word list (default cs)\n"
        "  --slots N       how many words to offer, 1 to 20 (default 5)\n"
        "  --learn FILE    read the learned words from FILE and write them back at the end;\n"
        "                  a missing file starts empty, a damaged one is replaced\n"
        "  --lexicon FILE  a word list other than the one shipped for the language\n"
        "\n"
        "Exit status: 0 on success, 1 when the word list could not be read or the learned\n"
        "words could not be written, 2 for a wrong command line.\n",
        stdout);
    return 0;
}

int Error(const QString &message) {
    std::fprintf(stderr, "orvanta-predict: %s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return Help();
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("orvanta-predict " ORVANTA_VERSION "\n", stdout);
            return 0;
        }
    }
    QCoreApplication app(argc, argv);
    QString lang = QStringLiteral("cs");
    QString learn, lexiconPath;
    int slotCount = 5;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (i + 1 >= args.size())
            return Usage("an option without its value, or an unknown word");
        const QString &value = args[++i];
        if (a == QLatin1String("--lang")) {
            if (value != QLatin1String("cs") && value != QLatin1String("en"))
                return Usage("the language is cs or en");
            lang = value;
        } else if (a == QLatin1String("--slots")) {
            bool ok = false;
            slotCount = value.toInt(&ok);
            if (!ok || slotCount < 1 || slotCount > 20)
                return Usage("the number of slots is 1 to 20");
        } else if (a == QLatin1String("--learn")) {
            learn = value;
        } else if (a == QLatin1String("--lexicon")) {
            lexiconPath = value;
        } else {
            return Usage("an unknown option");
        }
    }

    TPredictor predictor;
    TLexicon lexicon;
    QString error;
    if (!lexicon.Load(lexiconPath.isEmpty()
                          ? ShippedFile(QStringLiteral("Predict/%1.lex").arg(lang))
                          : lexiconPath,
                      &error))
        return Error(error);
    predictor.SetLexicon(std::move(lexicon));
    if (!learn.isEmpty() && !predictor.UserModel().Load(learn, &error))
        std::fprintf(stderr, "orvanta-predict: %s; the learned words start afresh\n",
                     error.toLocal8Bit().constData());

    std::string line;
    int c;
    // Lines of any length; a final line without its line break counts too.
    while (true) {
        line.clear();
        while ((c = std::getchar()) != EOF && c != '\n')
            line.push_back(char(c));
        if (c == EOF && line.empty())
            break;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const QString text = QString::fromUtf8(line.data(), qsizetype(line.size()));
        predictor.Observe(text);
        const bool capital = PredictText::AtSentenceStart(text, PredictText::WordStart(text));
        const QStringList words = predictor.Candidates(text, capital, slotCount);
        const QByteArray out = words.join(QLatin1Char('\t')).toUtf8() + '\n';
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
        std::fflush(stdout);
        if (c == EOF)
            break;
    }
    if (!learn.isEmpty() && !predictor.UserModel().Save(learn, &error))
        return Error(error);
    return 0;
}
