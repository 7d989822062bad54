#include "LineSelection.h"
#include "StringProc.h"
#include "TextComposer.h"

#include <QTest>

namespace {

const QString kCaron(kAccentCaron);
const QString kRing(kAccentRing);
const QString kAcute(kAccentAcute);

QString U(const char *utf8) {
    return QString::fromUtf8(utf8);
}

TTextComposer Composer(bool caps, bool shift, const QString &accent) {
    TTextComposer composer;
    composer.SetCapsLock(caps);
    composer.SetShift(shift);
    composer.SetAccent(accent.isEmpty() ? QChar() : accent.front());
    return composer;
}

QString AccentText(const TTextComposer &composer) {
    return composer.Accent().isNull() ? QString() : QString(composer.Accent());
}

} // namespace

class TestTextComposer : public QObject {
    Q_OBJECT

private slots:
    // What a text key writes and the states it leaves, with reading off.
    void writing_data() {
        QTest::addColumn<bool>("caps");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("accent"); // pending before the key; empty for none
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("textSh");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("shiftAfter");
        QTest::addColumn<QString>("accentAfter");

        const QString none;
        // Plain keys.
        QTest::newRow("letter") << false << false << none << "a"
                                << ""
                                << "a" << false << none;
        QTest::newRow("capital letter written small") << false << false << none << "A"
                                                      << ""
                                                      << "a" << false << none;
        QTest::newRow("capitalised word unchanged") << false << false << none << "Ahoj"
                                                    << ""
                                                    << "Ahoj " << false << none;
        QTest::newRow("small word") << false << false << none << "ahoj"
                                    << ""
                                    << "ahoj " << false << none;
        QTest::newRow("whole text recased")
            << false << false << none << U("ahoj Petře") << "" << U("ahoj petře ") << false << none;
        QTest::newRow("sentence end capitalises")
            << false << false << none << U("dobrý den.") << "" << U("Dobrý den. ") << false << none;
        QTest::newRow("question mark, Czech capital")
            << false << false << none << U("ďábel?") << "" << U("Ďábel? ") << false << none;
        QTest::newRow("semicolon ends a sentence") << false << false << none << "ahoj;"
                                                   << ""
                                                   << "Ahoj; " << false << none;
        QTest::newRow("digit first, unchanged")
            << false << false << none << U("1. máj") << "" << U("1. máj ") << false << none;
        QTest::newRow("single full stop") << false << false << none << "."
                                          << ""
                                          << "." << false << none;
        QTest::newRow("empty text writes nothing, Shift stays") << false << true << kCaron << ""
                                                                << ""
                                                                << "" << true << kCaron;

        // Caps Lock.
        QTest::newRow("caps letter") << true << false << none << "a"
                                     << ""
                                     << "A" << false << none;
        QTest::newRow("caps Czech letter")
            << true << false << none << U("ř") << "" << U("Ř") << false << none;
        QTest::newRow("caps word") << true << false << none << "ahoj"
                                   << ""
                                   << "AHOJ " << false << none;
        QTest::newRow("caps Czech words") << true << false << none << U("příliš žluťoučký kůň")
                                          << "" << U("PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ") << false << none;
        QTest::newRow("caps leaves a capitalised word") << true << false << none << "Ahoj"
                                                        << ""
                                                        << "Ahoj " << false << none;
        QTest::newRow("caps off writes capital Czech letter small")
            << false << false << none << U("Ů") << "" << U("ů") << false << none;
        QTest::newRow("micro sign stays in the code page")
            << true << false << none << U("µ") << "" << U("µ") << false << none;
        QTest::newRow("sharp s keeps the length")
            << true << false << none << U("straße") << "" << U("STRAßE ") << false << none;
        QTest::newRow("one character outside the basic plane")
            << false << false << none << U("😀") << "" << U("😀") << false << none;

        // The one-shot Shift.
        QTest::newRow("shift capitalises a word without shifted text")
            << false << true << none << "ahoj"
            << ""
            << "Ahoj " << false << none;
        QTest::newRow("shift capitalises a letter")
            << false << true << none << U("č") << "" << U("Č") << false << none;
        QTest::newRow("shift chooses the shifted sign") << false << true << none << "1"
                                                        << "+"
                                                        << "+" << false << none;
        QTest::newRow("shifted letter keeps its capital") << false << true << none << "a"
                                                          << "A"
                                                          << "A" << false << none;
        QTest::newRow("shifted word is capitalised") << false << true << none << "ahoj"
                                                     << "nazdar"
                                                     << "Nazdar " << false << none;
        QTest::newRow("shifted text when the text is empty") << false << true << none << ""
                                                             << "!"
                                                             << "!" << false << none;
        QTest::newRow("no shift, shifted text unused") << false << false << none << "1"
                                                       << "+"
                                                       << "1" << false << none;
        QTest::newRow("caps and shifted text") << true << true << none << "a"
                                               << "b"
                                               << "B" << false << none;

        // Dead accents.
        QTest::newRow("accent key waits") << false << false << none << kCaron << ""
                                          << "" << false << kCaron;
        QTest::newRow("accent key spends Shift") << false << true << none << kAcute << ""
                                                 << "" << false << kAcute;
        QTest::newRow("accent as shifted text")
            << false << true << none << kAcute << kCaron << "" << false << kCaron;
        QTest::newRow("caron c") << false << false << kCaron << "c"
                                 << "" << U("č") << false << none;
        QTest::newRow("acute E, written small") << false << false << kAcute << "E"
                                                << "" << U("é") << false << none;
        QTest::newRow("acute E with caps") << true << false << kAcute << "E"
                                           << "" << U("É") << false << none;
        QTest::newRow("ring u") << false << false << kRing << "u"
                                << "" << U("ů") << false << none;
        QTest::newRow("caron with shift") << false << true << kCaron << "r"
                                          << "" << U("Ř") << false << none;
        QTest::newRow("caron a does not compose") << false << false << kCaron << "a"
                                                  << ""
                                                  << "a" << false << none;
        QTest::newRow("ring o does not compose") << false << false << kRing << "o"
                                                 << ""
                                                 << "o" << false << none;
        QTest::newRow("caron twice writes the caron")
            << false << false << kCaron << kCaron << "" << kCaron << false << none;
        QTest::newRow("acute after caron writes the acute")
            << false << false << kCaron << kAcute << "" << kAcute << false << none;
        QTest::newRow("longer text leaves the accent") << false << false << kCaron << "ahoj"
                                                       << ""
                                                       << "ahoj " << false << kCaron;
    }
    void writing() {
        QFETCH(bool, caps);
        QFETCH(bool, shift);
        QFETCH(QString, accent);
        QFETCH(QString, text);
        QFETCH(QString, textSh);
        QFETCH(QString, written);
        QFETCH(bool, shiftAfter);
        QFETCH(QString, accentAfter);

        TTextComposer composer = Composer(caps, shift, accent);
        const TKeyText out = composer.KeyText(text, textSh, TTextKeyKind::Text, AutoRead::None);
        QCOMPARE(out.Insert, written);
        QCOMPARE(out.Speak, QString());
        QCOMPARE(composer.Shift(), shiftAfter);
        QCOMPARE(AccentText(composer), accentAfter);
        QCOMPARE(composer.CapsLock(), caps);
    }

    // What is read aloud and whether a sound key plays.
    void reading_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("soundKey");
        QTest::addColumn<QString>("accent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<bool>("sentenceEnd");
        QTest::addColumn<bool>("plays");

        const QString none;
        QTest::newRow("all: word") << int(AutoRead::All) << false << none << "Ahoj"
                                   << "Ahoj" << false << false;
        QTest::newRow("all: letter before its case change")
            << int(AutoRead::All) << false << none << "A"
            << "A" << false << false;
        QTest::newRow("all: text without the blank, before recasing")
            << int(AutoRead::All) << false << none << U("dobrý den.") << U("dobrý den.") << true
            << false;
        QTest::newRow("all: composed letter")
            << int(AutoRead::All) << false << kCaron << "c" << U("č") << false << false;
        QTest::newRow("all: accent key reads nothing")
            << int(AutoRead::All) << false << none << kCaron << "" << false << false;
        QTest::newRow("sentences: sentence") << int(AutoRead::Sentences) << false << none
                                             << U("Mám hlad.") << U("Mám hlad.") << true << false;
        QTest::newRow("sentences: word") << int(AutoRead::Sentences) << false << none << "Ahoj"
                                         << "" << false << false;
        QTest::newRow("sentences: lone full stop")
            << int(AutoRead::Sentences) << false << none << "."
            << "" << false << false;
        QTest::newRow("none") << int(AutoRead::None) << false << none << "Ahoj."
                              << "" << true << false;
        QTest::newRow("rows reads no key") << int(AutoRead::Rows) << false << none << "Ahoj."
                                           << "" << true << false;
        QTest::newRow("unknown mode") << 9 << false << none << "Ahoj."
                                      << "" << true << false;
        QTest::newRow("sound key is never read") << int(AutoRead::All) << true << none << "Ahoj."
                                                 << "" << true << true;
        QTest::newRow("sound key with empty text plays") << int(AutoRead::All) << true << none << ""
                                                         << "" << false << true;
        QTest::newRow("sound key with an accent text waits silently")
            << int(AutoRead::All) << true << none << kAcute << "" << false << false;
        QTest::newRow("sound key spends the accent and plays")
            << int(AutoRead::All) << true << kAcute << "a"
            << "" << false << true;
    }
    void reading() {
        QFETCH(int, mode);
        QFETCH(bool, soundKey);
        QFETCH(QString, accent);
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        QFETCH(bool, sentenceEnd);
        QFETCH(bool, plays);

        TTextComposer composer = Composer(false, false, accent);
        const TKeyText out = composer.KeyText(
            text, QString(), soundKey ? TTextKeyKind::Sound : TTextKeyKind::Text, mode);
        QCOMPARE(out.Speak, spoken);
        QCOMPARE(out.SentenceEnd, sentenceEnd);
        QCOMPARE(out.PlaySound, plays);
    }

    void shiftIsOneShotAndAccentWaitsOverWords() {
        TTextComposer composer;
        composer.SetShift(true);
        QCOMPARE(composer.KeyText(QStringLiteral("a"), {}, TTextKeyKind::Text, 0).Insert,
                 QStringLiteral("A"));
        QCOMPARE(composer.KeyText(QStringLiteral("a"), {}, TTextKeyKind::Text, 0).Insert,
                 QStringLiteral("a"));

        composer.KeyText(kCaron, {}, TTextKeyKind::Text, 0);
        QCOMPARE(composer.KeyText(QStringLiteral("ahoj"), {}, TTextKeyKind::Text, 0).Insert,
                 QStringLiteral("ahoj "));
        QCOMPARE(composer.KeyText(QStringLiteral("s"), {}, TTextKeyKind::Text, 0).Insert, U("š"));
        QCOMPARE(composer.KeyText(QStringLiteral("s"), {}, TTextKeyKind::Text, 0).Insert,
                 QStringLiteral("s"));
    }

    void lineBounds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("inside the first line") << "ahoj\nsvete" << 2 << 0 << 4;
        QTest::newRow("at the end of the first line") << "ahoj\nsvete" << 4 << 0 << 4;
        QTest::newRow("start of the second line") << "ahoj\nsvete" << 5 << 5 << 10;
        QTest::newRow("end of the text") << "ahoj\nsvete" << 10 << 5 << 10;
        QTest::newRow("past the end") << "ahoj\nsvete" << 99 << 5 << 10;
        QTest::newRow("negative") << "ahoj\nsvete" << -3 << 0 << 4;
        QTest::newRow("empty line") << "a\n\nb" << 2 << 2 << 2;
        QTest::newRow("empty text") << "" << 0 << 0 << 0;
        QTest::newRow("paragraph separator") << QStringLiteral("ab\u2029cd") << 4 << 3 << 5;
        QTest::newRow("line separator") << QStringLiteral("ab\u2028cd") << 1 << 0 << 2;
        QTest::newRow("carriage return") << "ab\rcd" << 3 << 3 << 5;
    }
    void lineBounds() {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(int, start);
        QFETCH(int, end);
        QCOMPARE(LineBounds(text, position), (TTextRange{start, end}));
    }

    // The text selected for a caret and a position: 0 selects the whole line (deleting a
    // line), the caret reads the line up to it and one character more (reading a line).
    void lineSelection_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("selected");
        QTest::newRow("whole line") << "ahoj\nsvete" << 7 << 0 << "svete";
        QTest::newRow("whole first line at the very start") << "ahoj\nsvete" << 0 << 0 << "ahoj";
        QTest::newRow("up to the caret and one more") << "ahoj\nsvete" << 7 << 7 << "sve";
        QTest::newRow("end of the last line") << "ahoj\nsvete" << 10 << 10 << "svete";
        QTest::newRow("end of a line with more below") << "ahoj\nsvete" << 4 << 4 << "ahoj";
        QTest::newRow("start of a later line") << "ahoj\nsvete" << 5 << 5 << "s";
        QTest::newRow("empty line selects nothing") << "a\n\nb" << 2 << 2 << "";
        QTest::newRow("empty text") << "" << 0 << 0 << "";
    }
    void lineSelection() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, position);
        QFETCH(QString, selected);
        const TTextRange range = LineSelection(LineBounds(text, caret), position);
        QCOMPARE(text.mid(range.Start, range.Length()), selected);
    }
};

QTEST_APPLESS_MAIN(TestTextComposer)
#include "tst_TextComposer.moc"
