#include "Directories.h"

#include <QDir>
#include <QTest>

class TestDirectories : public QObject {
    Q_OBJECT

private slots:
    void derive_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("currentHasTables");
        QTest::addColumn<QString>("data");
        QTest::newRow("current with Tables") << "/home/u/kbd" << true << "/home/u/kbd/";
        QTest::newRow("current without Tables") << "/home/u" << false << "/opt/orvanta/";
        QTest::newRow("root with Tables keeps one separator") << "/" << true << "/";
        QTest::newRow("root without Tables") << "/" << false << "/opt/orvanta/";
    }
    void derive() {
        QFETCH(QString, current);
        QFETCH(bool, currentHasTables);
        QFETCH(QString, data);
        QStringList asked;
        const TDirectories d = DeriveDirectories(current, QStringLiteral("/opt/orvanta/orvanta"),
                                                 [&](const QString &dir) {
                                                     asked.append(dir);
                                                     return currentHasTables;
                                                 });
        const QString expectedAsk =
            (current.endsWith(QLatin1Char('/')) ? current : current + QLatin1Char('/')) +
            QStringLiteral("Tables/");
        QCOMPARE(asked, QStringList{expectedAsk});
        QCOMPARE(d.ProgramDir, QStringLiteral("/opt/orvanta/"));
        QCOMPARE(d.DataDir, data);
        QCOMPARE(d.TablesDir, data + QStringLiteral("Tables/"));
        QCOMPARE(d.SoundsDir, data + QStringLiteral("Sounds/"));
        QCOMPARE(d.PicturesDir, data + QStringLiteral("Images/"));
    }
};

QTEST_GUILESS_MAIN(TestDirectories)
#include "tst_Directories.moc"
