#include "Directories.h"
#include "Version.h"

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

    // An installed executable finds its data relative to its own folder, wherever the tree was
    // moved; a folder with its own Tables (the build folder) keeps its data beside it.
    void shippedData_data() {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QString>("fromBin");
        QTest::addColumn<QStringList>("withTables");
        QTest::addColumn<QString>("shipped");
        const QString share = QStringLiteral("../share/orvanta");
        QTest::newRow("build folder")
            << "/src/build/" << share << QStringList{QStringLiteral("/src/build/Tables/")}
            << "/src/build/";
        QTest::newRow("installed in /usr")
            << "/usr/bin/" << share << QStringList{QStringLiteral("/usr/share/orvanta/Tables/")}
            << "/usr/share/orvanta/";
        QTest::newRow("moved tree")
            << "/tmp/x/opt/bin/" << share
            << QStringList{QStringLiteral("/tmp/x/opt/share/orvanta/Tables/")}
            << "/tmp/x/opt/share/orvanta/";
        QTest::newRow("beside wins over share")
            << "/usr/bin/" << share
            << QStringList{QStringLiteral("/usr/bin/Tables/"),
                           QStringLiteral("/usr/share/orvanta/Tables/")}
            << "/usr/bin/";
        QTest::newRow("neither") << "/opt/o/" << share << QStringList{} << "/opt/o/";
        QTest::newRow("other layout")
            << "/opt/o/bin/"
            << "../data" << QStringList{QStringLiteral("/opt/o/data/Tables/")} << "/opt/o/data/";
    }
    void shippedData() {
        QFETCH(QString, programDir);
        QFETCH(QString, fromBin);
        QFETCH(QStringList, withTables);
        QFETCH(QString, shipped);
        QCOMPARE(ShippedDataDir(programDir, fromBin,
                                [&](const QString &dir) { return withTables.contains(dir); }),
                 shipped);
    }

    // Whoever runs an installed program, even one who may write into the installation, gets
    // the user's data folder; a program folder of its own stays the data folder when writable.
    void installedNeverWritten_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("userData");
        QTest::addColumn<QString>("data");
        QTest::newRow("read-only") << false << "/home/u/.d"
                                   << "/home/u/.d/";
        QTest::newRow("writable by root") << true << "/root/.d"
                                          << "/root/.d/";
    }
    void installedNeverWritten() {
        QFETCH(bool, writable);
        QFETCH(QString, userData);
        QFETCH(QString, data);
        const QString share =
            QDir::cleanPath(QStringLiteral("/usr/bin/") + QStringLiteral(ORVANTA_DATA_FROM_BIN)) +
            QLatin1Char('/');
        const TDirectories d = DeriveDirectories(
            QStringLiteral("/home/u"), QStringLiteral("/usr/bin/orvanta"), userData,
            [&](const QString &dir) { return dir == share + QStringLiteral("Tables/"); },
            [&](const QString &) { return writable; });
        QCOMPARE(d.ProgramDir, share);
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
