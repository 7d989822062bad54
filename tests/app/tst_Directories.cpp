#include "Directories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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

    // An installed program never has its users write into its own folder.
    void deriveInstalled_data() {
        QTest::addColumn<bool>("currentHasTables");
        QTest::addColumn<bool>("programHasTables");
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<QString>("data");
        QTest::newRow("current first") << true << true << false << "/home/u/kbd/";
        QTest::newRow("writable program folder") << false << true << true << "/opt/orvanta/";
        QTest::newRow("read-only program folder") << false << true << false << "/home/u/.d/";
        QTest::newRow("program folder without data") << false << false << true << "/home/u/.d/";
    }
    void deriveInstalled() {
        QFETCH(bool, currentHasTables);
        QFETCH(bool, programHasTables);
        QFETCH(bool, programWritable);
        QFETCH(QString, data);
        const TDirectories d = DeriveDirectories(
            QStringLiteral("/home/u/kbd"), QStringLiteral("/opt/orvanta/orvanta"),
            QStringLiteral("/home/u/.d"),
            [&](const QString &dir) {
                return dir.startsWith(QStringLiteral("/home")) ? currentHasTables
                                                               : programHasTables;
            },
            [&](const QString &) { return programWritable; });
        QCOMPARE(d.ProgramDir, QStringLiteral("/opt/orvanta/"));
        QCOMPARE(d.DataDir, data);
        QCOMPARE(d.TablesDir, data + QStringLiteral("Tables/"));
    }

    void dataFolderFilledOnce() {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("program/"));
        const QString user = dir.filePath(QStringLiteral("user/"));
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QDir().mkpath(QFileInfo(path).path());
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write(program + QStringLiteral("Tables/index.kbt"), "table");
        write(program + QStringLiteral("Sounds/a.wav"), "sound");
        write(program + QStringLiteral("Images/sub/b.jpg"), "picture");
        QVERIFY(FillDataFolder(program, user));
        QVERIFY(QFileInfo(user + QStringLiteral("Images/sub/b.jpg")).isFile());
        QVERIFY(QFileInfo(user + QStringLiteral("Sounds/a.wav")).isFile());

        // The user's own changes are never overwritten.
        write(user + QStringLiteral("Tables/index.kbt"), "mine");
        write(program + QStringLiteral("Tables/new.kbt"), "new");
        QVERIFY(FillDataFolder(program, user));
        QFile mine(user + QStringLiteral("Tables/index.kbt"));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
        QVERIFY(!QFileInfo::exists(user + QStringLiteral("Tables/new.kbt")));
    }
};

QTEST_GUILESS_MAIN(TestDirectories)
#include "tst_Directories.moc"
