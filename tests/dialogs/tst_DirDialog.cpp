#include "DialogStrings.h"
#include "DirDialog.h"
#include "DirPlaces.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

Q_DECLARE_METATYPE(QList<TVolume>)

namespace {

TVolume V(const char *root, const char *name, const char *fileSystem) {
    return TVolume{QString::fromUtf8(root), QString::fromUtf8(name), QString::fromUtf8(fileSystem)};
}

TDirPlace P(const char *name, const char *path) {
    return TDirPlace{QString::fromUtf8(name), QString::fromUtf8(path)};
}

QStringList L(std::initializer_list<const char *> items) {
    QStringList out;
    for (const char *i : items)
        out.append(QString::fromUtf8(i));
    return out;
}

QStringList Paths(const QList<TDirPlace> &places) {
    QStringList out;
    for (const TDirPlace &p : places)
        out.append(p.Path);
    return out;
}

} // namespace

class TestDirDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void mergePlaces_data() {
        QTest::addColumn<QList<TVolume>>("volumes");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("no volumes: home, documents, root")
            << QList<TVolume>{} << L({"/home/u", "/home/u/Documents", "/"});
        QTest::newRow("root volume is not listed twice")
            << QList<TVolume>{V("/", "root", "ext4")} << L({"/home/u", "/home/u/Documents", "/"});
        QTest::newRow("pseudo file systems left out, volumes sorted")
            << QList<TVolume>{V("/media/u/USB", "USB", "vfat"), V("/proc", "proc", "proc"),
                              V("/run", "tmpfs", "tmpfs"), V("/data", "data", "ext4")}
            << L({"/home/u", "/home/u/Documents", "/", "/data", "/media/u/USB"});
        QTest::newRow("trailing separators do not make duplicates")
            << QList<TVolume>{V("/data/", "data", "ext4"), V("/data", "data", "ext4")}
            << L({"/home/u", "/home/u/Documents", "/", "/data"});
    }
    void mergePlaces() {
        QFETCH(QList<TVolume>, volumes);
        QFETCH(QStringList, paths);
        const QList<TDirPlace> places =
            MergePlaces(QStringLiteral("/home/u"), QStringLiteral("/home/u/Documents"), volumes);
        QCOMPARE(Paths(places), paths);
        QCOMPARE(places[0].Name, QString(DialogStrings::PlaceHome));
    }

    void placeFor_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<int>("place");
        QTest::newRow("the place itself") << "/home/u" << 0;
        QTest::newRow("with trailing separator") << "/home/u/" << 0;
        QTest::newRow("deepest place wins") << "/home/u/Documents/tabulky/" << 1;
        QTest::newRow("a name that only begins like a place") << "/home/user2" << 2;
        QTest::newRow("volume") << "/media/u/USB/Obrazky" << 3;
        QTest::newRow("elsewhere under the root") << "/opt" << 2;
        QTest::newRow("relative") << "tabulky" << -1;
    }
    void placeFor() {
        QFETCH(QString, directory);
        QFETCH(int, place);
        const QList<TDirPlace> places = {P("home", "/home/u"), P("docs", "/home/u/Documents"),
                                         P("root", "/"), P("usb", "/media/u/USB")};
        QCOMPARE(PlaceFor(places, directory), place);
    }

    void choosingAPlaceShowsItsLastDirectory() {
        QTemporaryDir a, b;
        QVERIFY(QDir(a.path()).mkpath(QStringLiteral("x/y")));
        TDirDialog dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Volba adresáře"));
        dlg.SetPlaces({{QStringLiteral("A"), a.path()}, {QStringLiteral("B"), b.path()}});
        const QString deep = QDir::toNativeSeparators(a.path() + QStringLiteral("/x/y"));
        dlg.SetDirectory(deep);
        QCOMPARE(dlg.DriveList->currentIndex(), 0);
        QCOMPARE(dlg.Directory(), deep);

        dlg.DriveList->setCurrentIndex(1);
        emit dlg.DriveList->activated(1);
        QCOMPARE(dlg.Directory(), QDir::toNativeSeparators(b.path()));
        dlg.DriveList->setCurrentIndex(0);
        emit dlg.DriveList->activated(0);
        QCOMPARE(dlg.Directory(), deep);
    }

    void clickingInTheTreeChangesTheDirectory() {
        QTemporaryDir a;
        QVERIFY(QDir(a.path()).mkpath(QStringLiteral("kbd/more")));
        TDirDialog dlg;
        dlg.SetPlaces({{QStringLiteral("A"), a.path()}});
        dlg.SetDirectory(a.path() + QStringLiteral("/kbd"));
        auto *model = static_cast<QFileSystemModel *>(dlg.DirList->model());
        dlg.DirList->setCurrentIndex(model->index(a.path() + QStringLiteral("/kbd/more")));
        QCOMPARE(dlg.Directory(), QDir::toNativeSeparators(a.path() + QStringLiteral("/kbd/more")));
    }

    void deletedDirectoryStaysTheChoice() {
        QTemporaryDir a;
        for (const char *name : {"a1", "b2", "c3"})
            QVERIFY(QDir(a.path()).mkpath(QLatin1String(name)));
        TDirDialog dlg;
        dlg.SetPlaces({{QStringLiteral("A"), a.path()}});
        auto *model = static_cast<QFileSystemModel *>(dlg.DirList->model());
        const QString chosen = a.path() + QStringLiteral("/b2");
        dlg.SetDirectory(chosen);
        dlg.show();
        const QModelIndex top = model->index(a.path());
        QTRY_COMPARE(model->rowCount(top), 3);
        dlg.SetDirectory(chosen);
        QCOMPARE(dlg.DirList->currentIndex(), model->index(chosen));
        QVERIFY(QDir(a.path()).rmdir(QStringLiteral("b2")));
        QTRY_COMPARE(model->rowCount(top), 2);
        QCOMPARE(dlg.Directory(), QDir::toNativeSeparators(chosen));
        // A directory clicked afterwards is the user's choice again (two clicks: the tree may
        // already stand on either neighbour).
        dlg.DirList->setCurrentIndex(model->index(a.path() + QStringLiteral("/c3")));
        dlg.DirList->setCurrentIndex(model->index(a.path() + QStringLiteral("/a1")));
        QCOMPARE(dlg.Directory(), QDir::toNativeSeparators(a.path() + QStringLiteral("/a1")));
    }
};

QTEST_MAIN(TestDirDialog)
#include "tst_DirDialog.moc"
