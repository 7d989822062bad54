// The interface language: which one a run gets, and that the English translation is whole and
// really used by the texts of every part of the program.
#include "AppStrings.h"
#include "DialogStrings.h"
#include "GraphicsStrings.h"
#include "Translation.h"
#include "VoiceStrings.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The %1..%9 a text fills in, and its line breaks; a translation must keep both.
QString Shape(const QString &text) {
    static const QRegularExpression place(QStringLiteral("%[1-9]"));
    QStringList found;
    for (const QRegularExpressionMatch &m : place.globalMatch(text))
        found.append(m.captured(0));
    found.sort();
    return found.join(QLatin1Char(' ')) + QStringLiteral(" r") +
           QString::number(text.count(QLatin1Char('\r')));
}

// The text of a <source> or <translation>, where lupdate writes a carriage return as
// <byte value="xd"/>.
QString ReadText(QXmlStreamReader &xml) {
    QString text;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters)
            text += xml.text();
        else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("byte"))
            text +=
                QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
        else if (token == QXmlStreamReader::EndElement && xml.name() != QLatin1String("byte"))
            break;
    }
    return text;
}

// The number of access keys marked in a caption ("&&" is a plain ampersand).
int AccessKeys(QString text) {
    text.remove(QStringLiteral("&&"));
    return int(text.count(QLatin1Char('&')));
}

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void chooseLanguage_data() {
        QTest::addColumn<QString>("forced");
        QTest::addColumn<QString>("system"); // the system's languages, most wanted first
        QTest::addColumn<int>("expected");
        const auto add = [](const char *tag, const char *forced, const char *system,
                            TLanguage expected) {
            QTest::newRow(tag) << QString::fromLatin1(forced) << QString::fromLatin1(system)
                               << int(expected);
        };
        using enum TLanguage;
        add("forced cs on an English system", "cs", "en-US", Czech);
        add("forced en on a Czech system", "en", "cs-CZ", English);
        add("forced, any case", "EN", "cs", English);
        add("Czech", "", "cs-CZ,cs", Czech);
        add("Slovak reads Czech", "", "sk-SK", Czech);
        add("locale name form", "", "cs_CZ.UTF-8", Czech);
        add("C locale", "", "C", Czech);
        add("C locale with an encoding", "", "C.UTF-8", Czech);
        add("POSIX locale", "", "POSIX", Czech);
        add("no language", "", "", Czech);
        add("British", "", "en-GB,en", English);
        add("German gets English", "", "de-DE,de", English);
        add("German, then Czech", "", "de-DE,cs-CZ", Czech);
        add("English before Czech", "", "fr,en-US,cs", English);
        add("unknown forced value falls to the system", "de", "cs-CZ", Czech);
    }
    void chooseLanguage() {
        QFETCH(QString, forced);
        QFETCH(QString, system);
        QFETCH(int, expected);
        const QStringList languages = system.split(QLatin1Char(','), Qt::SkipEmptyParts);
        QCOMPARE(int(ChooseLanguage(ParseLanguage(forced), languages)), expected);
    }

    void localizedFileName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        const int cs = int(TLanguage::Czech), en = int(TLanguage::English);
        QTest::newRow("Czech help") << "Help.html" << cs << "Help.html";
        QTest::newRow("English help") << "Help.html" << en << "Help.en.html";
        QTest::newRow("English guide") << "Guide.html" << en << "Guide.en.html";
        QTest::newRow("English configuration") << "Orvanta.cfg" << en << "Orvanta.en.cfg";
        QTest::newRow("no suffix") << "README" << en << "README.en";
    }
    void localizedFileName() {
        QFETCH(QString, name);
        QFETCH(int, language);
        QFETCH(QString, expected);
        QCOMPARE(LocalizedFileName(name, TLanguage(language)), expected);
    }

    // Before any translation, and with the Czech one, the texts are the Czech originals.
    void czechKeepsTheSourceTexts() {
        QVERIFY(InstallTranslation(*QCoreApplication::instance(), TLanguage::Czech));
        QCOMPARE(int(InterfaceLanguage()), int(TLanguage::Czech));
        QCOMPARE(QString(DialogStrings::GridCaption), QStringLiteral("Nastavení mřížky"));
        QCOMPARE(QCoreApplication::translate("MainMenu", "&Soubor"), QStringLiteral("&Soubor"));
    }

    // The English translation is built into the program and reaches texts of the main menu,
    // the dialogs, the messages and the picture readers; names of files stay as they are.
    void englishTranslatesEveryPart() {
        QVERIFY(InstallTranslation(*QCoreApplication::instance(), TLanguage::English));
        QCOMPARE(int(InterfaceLanguage()), int(TLanguage::English));
        QCOMPARE(QCoreApplication::translate("MainMenu", "&Soubor"), QStringLiteral("&File"));
        QCOMPARE(QString(AppStrings::MainCaption),
                 QStringLiteral("Keyboard for alternative communication"));
        QCOMPARE(QString(DialogStrings::GridCaption), QStringLiteral("Grid settings"));
        QCOMPARE(DialogStrings::SwitchName(2), QStringLiteral("Switch 2"));
        QCOMPARE(QString(AppStrings::CannotLoadTable),
                 QStringLiteral("The keyboard cannot be loaded."));
        QCOMPARE(QString(VoiceStrings::NoSynthesizer),
                 QStringLiteral("No speech synthesizer was found.\rThe program will work without "
                                "voice output."));
        QCOMPARE(GraphicsStrings::InvalidBitmap.arg(7),
                 QStringLiteral("The bitmap is damaged (7)."));
        QCOMPARE(AppStrings::ConfigFileName, QStringLiteral("Orvanta.cfg"));
        QCOMPARE(VoiceStrings::ComServerName, QStringLiteral("TOOLCV.VBVOICE"));
    }

    // Every message is translated, fills in the same values, keeps its line breaks, and keeps
    // an access key where the Czech caption has one.
    void everyMessageIsFinished() {
        QFile file(QStringLiteral(ORVANTA_TS_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = ReadText(xml);
            } else if (xml.name() == QLatin1String("translation")) {
                const QString what = context + QStringLiteral(": ") + source;
                QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(what));
                const QString translation = ReadText(xml);
                QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(what));
                QCOMPARE(Shape(translation), Shape(source));
                QCOMPARE(AccessKeys(translation), AccessKeys(source));
                ++messages;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 200);
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_Translation.moc"
