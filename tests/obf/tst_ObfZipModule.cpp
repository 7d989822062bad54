#include "Error.h"
#include "ObfArchive.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The program's packages go through the zip module, loaded on first use: what is written comes
// back, and what the archive code refuses is refused with its own message.
class TestObfZipModule : public QObject {
    Q_OBJECT

private slots:
    void ThroughTheModule_data() {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("refused"); // part of the message; empty: read back whole
        QTest::newRow("a board and a picture")
            << QStringList{u"manifest.json"_s, u"boards/1.obf"_s, u"images/a.png"_s} << QString();
        QTest::newRow("a name that climbs out")
            << QStringList{u"manifest.json"_s, u"../evil.obf"_s} << u"../evil.obf"_s;
    }
    void ThroughTheModule() {
        QFETCH(QStringList, paths);
        QFETCH(QString, refused);
        TObfArchiveWriter writer;
        for (const QString &path : paths)
            writer.Add(path, path.toUtf8().repeated(100));
        const QByteArray zip = writer.Finish();
        QVERIFY(zip.startsWith("PK"));
        try {
            const TObfArchive archive = TObfArchive::Read(zip);
            QVERIFY2(refused.isEmpty(), "a package that should be refused was read");
            QCOMPARE(archive.Paths().size(), paths.size());
            for (const QString &path : paths)
                QCOMPARE(archive.File(path), path.toUtf8().repeated(100));
        } catch (const TError &e) {
            QVERIFY2(!refused.isEmpty(), qPrintable(e.Message()));
            QVERIFY2(e.Message().contains(refused), qPrintable(e.Message()));
        }
    }

    void NotAZip() {
        try {
            TObfArchive::Read("this is no zip at all"_ba);
            QFAIL("read");
        } catch (const TError &e) {
            QVERIFY2(e.Message().contains("ZIP"_L1), qPrintable(e.Message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestObfZipModule)
#include "tst_ObfZipModule.moc"
