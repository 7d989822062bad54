#include "CommandLine.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QStringList W(std::initializer_list<const char *> words) {
    QStringList list;
    for (const char *w : words)
        list.append(QString::fromUtf8(w));
    return list;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("error"); // a part of the message
        QTest::addColumn<int>("exit");
        const int run = TCommandLine::caRun, help = TCommandLine::caHelp,
                  version = TCommandLine::caVersion, error = TCommandLine::caError;

        QTest::newRow("nothing") << W({}) << run << ""
                                 << ""
                                 << "" << 0;
        QTest::newRow("table") << W({"fraze.kbt"}) << run << "fraze.kbt"
                               << ""
                               << "" << 0;
        QTest::newRow("lang and table") << W({"--lang", "en", "/t/a b.kbt"}) << run << "/t/a b.kbt"
                                        << "en"
                                        << "" << 0;
        QTest::newRow("lang with =") << W({"--lang=cs"}) << run << ""
                                     << "cs"
                                     << "" << 0;
        QTest::newRow("last lang wins") << W({"--lang", "cs", "--lang=en"}) << run << ""
                                        << "en"
                                        << "" << 0;
        QTest::newRow("help") << W({"--help"}) << help << ""
                              << ""
                              << "" << 0;
        QTest::newRow("short help after a table") << W({"x.kbt", "-h"}) << help << "x.kbt"
                                                  << ""
                                                  << "" << 0;
        QTest::newRow("version") << W({"--version"}) << version << ""
                                 << ""
                                 << "" << 0;
        QTest::newRow("first of version and help") << W({"--version", "--help"}) << version << ""
                                                   << ""
                                                   << "" << 0;

        // Words after "--" are names, even when they look like options.
        QTest::newRow("dash table after --") << W({"--", "--help"}) << run << "--help"
                                             << ""
                                             << "" << 0;
        // The toolkit's options are its own; their values are no table.
        QTest::newRow("toolkit option with value")
            << W({"-platform", "offscreen", "t.kbt"}) << run << "t.kbt"
            << ""
            << "" << 0;
        QTest::newRow("toolkit flag") << W({"-reverse", "t.kbt"}) << run << "t.kbt"
                                      << ""
                                      << "" << 0;

        QTest::newRow("wrong lang") << W({"--lang", "de"}) << error << ""
                                    << ""
                                    << "'de'" << 2;
        QTest::newRow("empty lang") << W({"--lang="}) << error << ""
                                    << ""
                                    << "''" << 2;
        QTest::newRow("lang upper case") << W({"--lang", "CS"}) << error << ""
                                         << ""
                                         << "'CS'" << 2;
        QTest::newRow("lang missing value") << W({"--lang"}) << error << ""
                                            << ""
                                            << "needs" << 2;
        // A wrong word is an error even when help is asked too: nothing is silently ignored.
        QTest::newRow("wrong lang beside help") << W({"--help", "--lang", "xx"}) << error << ""
                                                << ""
                                                << "'xx'" << 2;
        QTest::newRow("unknown option") << W({"--verbose"}) << error << ""
                                        << ""
                                        << "--verbose" << 2;
        QTest::newRow("two tables") << W({"a.kbt", "b.kbt"}) << error << "a.kbt"
                                    << ""
                                    << "b.kbt" << 2;
    }
    void parse() {
        QFETCH(QStringList, words);
        QFETCH(int, action);
        QFETCH(QString, table);
        QFETCH(QString, lang);
        QFETCH(QString, error);
        QFETCH(int, exit);
        const TCommandLine c(words);
        QCOMPARE(int(c.Action()), action);
        QCOMPARE(c.TableFile(), table);
        QCOMPARE(c.Lang(), lang);
        if (error.isEmpty())
            QVERIFY(c.Error().isEmpty());
        else
            QVERIFY2(c.Error().contains(error), qPrintable(c.Error()));
        QCOMPARE(c.ExitCode(), exit);
    }

    // The texts printed for --help and --version name the program and what the man page says.
    void texts() {
        QVERIFY(TCommandLine::VersionText().startsWith(QStringLiteral("orvanta ")));
        QVERIFY(TCommandLine::VersionText().contains(QRegularExpression(QStringLiteral("\\d"))));
        const QString help = TCommandLine::HelpText();
        QVERIFY(help.startsWith(QStringLiteral("usage: orvanta ")));
        for (const QString &lang : TCommandLine::Languages())
            QVERIFY(help.contains(lang));
        QVERIFY(help.contains(QStringLiteral("Exit status")));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_CommandLine.moc"
