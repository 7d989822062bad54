#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The help pages open in a browser from the program folder, offline: every page, picture and
// style sheet they name must be there, and every anchor they jump to must exist.
class TestHelpPages : public QObject {
    Q_OBJECT

    static QString Read(const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

private slots:
    void links_data() {
        QTest::addColumn<QString>("page");
        for (const char *page : {"Help.html", "Help.en.html", "Guide.html", "Guide.en.html"})
            QTest::newRow(page) << QString::fromLatin1(page);
    }
    void links() {
        QFETCH(QString, page);
        const QDir dir(QStringLiteral(ORVANTA_HELP_DIR));
        const QString html = Read(dir.filePath(page));
        QVERIFY2(!html.isEmpty(), qPrintable(page));
        QVERIFY(html.contains(QLatin1String("<html lang=")));

        static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        static const QRegularExpression id(QStringLiteral("id=\"([^\"]*)\""));
        int count = 0;
        for (const QRegularExpressionMatch &m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            QVERIFY2(!target.contains(QLatin1String("://")),
                     qPrintable(page + QStringLiteral(": not offline: ") + target));
            const qsizetype hash = target.indexOf(QLatin1Char('#'));
            const QString file = hash < 0 ? target : target.left(hash);
            const QString anchor = hash < 0 ? QString() : target.mid(hash + 1);
            const QString path = file.isEmpty() ? dir.filePath(page) : dir.filePath(file);
            QVERIFY2(QFile::exists(path), qPrintable(page + QStringLiteral(": ") + target));
            if (!anchor.isEmpty()) {
                QStringList ids;
                for (const QRegularExpressionMatch &i : id.globalMatch(Read(path)))
                    ids.append(i.captured(1));
                QVERIFY2(ids.contains(anchor), qPrintable(page + QStringLiteral(": ") + target));
            }
            ++count;
        }
        QVERIFY(count > 3);
    }

    void picturesHaveAltTexts() {
        const QDir dir(QStringLiteral(ORVANTA_HELP_DIR));
        static const QRegularExpression img(QStringLiteral("<img\\b[^>]*>"));
        for (const QString &page : dir.entryList({QStringLiteral("*.html")})) {
            for (const QRegularExpressionMatch &m : img.globalMatch(Read(dir.filePath(page))))
                QVERIFY2(m.captured(0).contains(QLatin1String("alt=\"")),
                         qPrintable(page + QStringLiteral(": ") + m.captured(0)));
        }
    }
};

QTEST_GUILESS_MAIN(TestHelpPages)
#include "tst_HelpPages.moc"
