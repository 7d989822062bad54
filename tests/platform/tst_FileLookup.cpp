#include "FileLookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFileLookup : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        QVERIFY(QDir(FDir.path()).mkpath(QStringLiteral("Tables/Sub")));
        QFile f(FDir.filePath(QStringLiteral("Tables/Sub/Index.KBT")));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    void lookup_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");
        QTest::newRow("exact") << "Tables/Sub/Index.KBT"
                               << "Tables/Sub/Index.KBT";
        QTest::newRow("file case") << "Tables/Sub/index.kbt"
                                   << "Tables/Sub/Index.KBT";
        QTest::newRow("folder case") << "TABLES/sub/INDEX.kbt"
                                     << "Tables/Sub/Index.KBT";
        QTest::newRow("missing stays") << "Tables/none.kbt"
                                       << "Tables/none.kbt";
    }
    void lookup() {
        QFETCH(QString, asked);
        QFETCH(QString, found);
        const QString base = FDir.path() + QLatin1Char('/');
        QCOMPARE(LocateFile(base + asked), base + found);
    }
};

QTEST_GUILESS_MAIN(TestFileLookup)
#include "tst_FileLookup.moc"
