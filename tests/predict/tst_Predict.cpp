// The ranking rules of word prediction: completion, diacritics, case, next words, candidates that
// give way, and learning each written word once.
#include "PredictFixture.h"
#include "PredictText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPredict : public QObject {
    Q_OBJECT

private:
    TPredictor FPredictor;

    void ObserveAll(const QStringList &states) {
        for (const QString &s : states)
            FPredictor.Observe(s);
    }

private slots:
    void init() {
        FPredictor = TPredictor();
        FPredictor.SetLexicon(SmallLexicon());
    }

    void Completion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("capital");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("notOffered");
        const QString none;
        QTest::newRow("prefix, most frequent first")
            << u"t"_s << false << u"to"_s << QStringList{u"ten"_s, u"tady"_s}
            << QStringList{u"den"_s};
        QTest::newRow("without diacritics finds them")
            << u"pocit"_s << false << none << QStringList{u"počítač"_s, u"počítat"_s, u"pocity"_s}
            << QStringList{u"pocit"_s};
        QTest::newRow("dekuj") << u"dekuj"_s << false << u"děkuji"_s << QStringList{u"děkujeme"_s}
                               << QStringList{};
        QTest::newRow("diacritics typed are kept")
            << u"děk"_s << false << u"děkuji"_s << QStringList{} << QStringList{u"dekorace"_s};
        QTest::newRow("each accented letter must match")
            << u"počí"_s << false << none << QStringList{u"počítač"_s, u"počítat"_s}
            << QStringList{u"pocity"_s};
        QTest::newRow("a word typed in full is not offered")
            << u"je to"_s << false << none << QStringList{} << QStringList{u"to"_s};
        QTest::newRow("a stored capital corrects the case")
            << u"so i"_s << false << none << QStringList{u"I"_s, u"I'm"_s, u"it"_s}
            << QStringList{u"i"_s};
        QTest::newRow("not the word just written")
            << u"je dobrý d"_s << false << none << QStringList{u"dobře"_s}
            << QStringList{u"dobrý"_s};
        QTest::newRow("after a digit nothing")
            << u"abc1"_s << false << none << QStringList{} << QStringList{u"to"_s};
        QTest::newRow("capital at a sentence start")
            << u"Dob"_s << true << u"Dobře"_s << QStringList{u"Dobrý"_s} << QStringList{u"dobrý"_s};
        QTest::newRow("typed capital")
            << u"je Dob"_s << false << u"Dobře"_s << QStringList{} << QStringList{u"dobře"_s};
        QTest::newRow("Caps Lock")
            << u"je DOB"_s << false << u"DOBŘE"_s << QStringList{u"DOBRÝ"_s} << QStringList{};
        QTest::newRow("typed case otherwise")
            << u"je dob"_s << false << u"dobře"_s << QStringList{} << QStringList{u"Dobře"_s};
        QTest::newRow("capital flag on the next word")
            << u"Ahoj. "_s << true << u"To"_s << QStringList{} << QStringList{u"to"_s};
    }
    void Completion() {
        QFETCH(QString, text);
        QFETCH(bool, capital);
        QFETCH(QString, first);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, notOffered);
        const QStringList got = FPredictor.Candidates(text, capital, 5);
        QVERIFY(got.size() <= 5);
        if (!first.isEmpty()) {
            QVERIFY2(!got.isEmpty(), qPrintable(text));
            QCOMPARE(got.front(), first);
        }
        for (const QString &w : offered)
            QVERIFY2(got.contains(w), qPrintable(got.join(u' ')));
        for (const QString &w : notOffered)
            QVERIFY2(!got.contains(w), qPrintable(got.join(u' ')));
    }

    // Once the user has typed a letter with a diacritic into a word, a base letter counts as
    // meant: words with a diacritic in its place give way to rarer exact ones, unless far more
    // frequent. "de": den 1500, děkuji 900, děkujeme 300, dekorace 100.
    void BaseLetterMeant_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("notOffered");
        QTest::newRow("nothing typed before: both forms alike")
            << QString() << QStringList{u"den"_s, u"děkuji"_s, u"děkujeme"_s}
            << QStringList{u"dekorace"_s};
        QTest::newRow("base letters only: both forms alike")
            << u"je dek"_s << QStringList{u"děkuji"_s, u"děkujeme"_s} << QStringList{u"dekorace"_s};
        QTest::newRow("a chosen word with diacritics is not typing them")
            << u"děkuji "_s << QStringList{u"děkujeme"_s} << QStringList{u"dekorace"_s};
        QTest::newRow("a diacritic typed: the exact form before the rarer accented one")
            << u"je děk"_s << QStringList{u"den"_s, u"děkuji"_s, u"dekorace"_s}
            << QStringList{u"děkujeme"_s};
        QTest::newRow("a capital with a diacritic counts too")
            << u"Čt"_s << QStringList{u"dekorace"_s} << QStringList{u"děkujeme"_s};
    }
    void BaseLetterMeant() {
        QFETCH(QString, before);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, notOffered);
        if (!before.isNull())
            FPredictor.Candidates(before, false, 3);
        const QStringList got = FPredictor.Candidates(u"to de"_s, false, 3);
        for (const QString &w : offered)
            QVERIFY2(got.contains(w), qPrintable(got.join(u' ')));
        for (const QString &w : notOffered)
            QVERIFY2(!got.contains(w), qPrintable(got.join(u' ')));
    }

    // The user's own words and pairs come before the lexicon's order.
    void NextWord_data() {
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("capital");
        QTest::addColumn<QString>("first");
        QTest::newRow("nothing learned: frequent words")
            << QStringList{} << u"je "_s << false << u"to"_s;
        QTest::newRow("a learned pair")
            << QStringList{u"dobrý den "_s, u""_s} << u"dobrý "_s << false << u"den"_s;
        QTest::newRow("the pair across a comma")
            << QStringList{u"dobrý den "_s, u""_s} << u"dobrý,"_s << false << u"den"_s;
        QTest::newRow("a learned sentence start")
            << QStringList{u"Domů. "_s, u""_s} << u"Ahoj. "_s << true << u"Domů"_s;
        QTest::newRow("the start of a line")
            << QStringList{u"domů\n"_s} << u"domů\n"_s << true << u"Domů"_s;
        QTest::newRow("a learned word while typing")
            << QStringList{u"dole "_s, u""_s} << u"do"_s << false << u"dole"_s;
        QTest::newRow("a word repeated as the user does")
            << QStringList{u"ne ne "_s, u""_s} << u"ne n"_s << false << u"ne"_s;
        QTest::newRow("a word the lexicon lacks")
            << QStringList{u"zmrzlina "_s, u""_s} << u"zm"_s << false << u"zmrzlina"_s;
    }
    void NextWord() {
        QFETCH(QStringList, written);
        QFETCH(QString, text);
        QFETCH(bool, capital);
        QFETCH(QString, first);
        ObserveAll(written);
        const QStringList got = FPredictor.Candidates(text, capital, 5);
        QVERIFY(!got.isEmpty());
        QCOMPARE(got.front(), first);
    }

    // The shipped pairs lift their word after the right word only, and the user's own use still
    // wins over them.
    void ShippedPairs_data() {
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("capital");
        QTest::addColumn<QString>("first");
        QTest::newRow("next word after its word")
            << QStringList{} << u"dobrý "_s << false << u"den"_s;
        QTest::newRow("next word across a comma")
            << QStringList{} << u"Dobrý, "_s << false << u"den"_s;
        QTest::newRow("a completion after its word")
            << QStringList{} << u"to do"_s << false << u"dost"_s;
        QTest::newRow("a completion typed without diacritics")
            << QStringList{} << u"Ahoj. Dek"_s << true << u"Děkuji"_s;
        QTest::newRow("a sentence start") << QStringList{} << QString() << true << u"Děkuji"_s;
        QTest::newRow("another word before: as without pairs")
            << QStringList{} << u"ten do"_s << false << u"dobře"_s;
        QTest::newRow("a word the lexicon lacks before: as without pairs")
            << QStringList{} << u"xyz "_s << false << u"to"_s;
        QTest::newRow("the user's pair wins while typing")
            << QStringList{u"to dole "_s, u""_s} << u"to do"_s << false << u"dole"_s;
        QTest::newRow("the user's pair wins after a space")
            << QStringList{u"dobrý tady "_s, u""_s} << u"dobrý "_s << false << u"tady"_s;
        QTest::newRow("the user's sentence start wins")
            << QStringList{u"Domů. "_s, u""_s} << u"Ahoj. "_s << true << u"Domů"_s;
    }
    void ShippedPairs() {
        QFETCH(QStringList, written);
        QFETCH(QString, text);
        QFETCH(bool, capital);
        QFETCH(QString, first);
        QList<std::pair<QString, quint32>> words;
        for (qsizetype i = 0; i < SmallLexicon().Size(); ++i)
            words.append({SmallLexicon().Word(i), SmallLexicon().Frequency(i)});
        TLexicon lexicon;
        QVERIFY(lexicon.Read(TLexicon::Build(words, {{u"dobrý"_s, u"den"_s, 5},
                                                     {u"to"_s, u"dost"_s, 4},
                                                     {QString(), u"děkuji"_s, 3},
                                                     {u"to"_s, u"nic"_s, 9}}),
                             nullptr));
        QCOMPARE(lexicon.PairsSize(), 3); // "nic" is no word of the list
        FPredictor.SetLexicon(lexicon);
        ObserveAll(written);
        const QStringList got = FPredictor.Candidates(text, capital, 5);
        QVERIFY(!got.isEmpty());
        QCOMPARE(got.front(), first);
    }

    // Offered and not taken for earlier letters of the same word: others come first.
    void GiveWay_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("givesWay");
        QTest::newRow("next letter") << QStringList{u"je d"_s, u"je do"_s} << true;
        QTest::newRow("from the next word on") << QStringList{u"je "_s, u"je t"_s} << true;
        QTest::newRow("same letters again") << QStringList{u"je d"_s, u"je d"_s} << false;
        QTest::newRow("another word") << QStringList{u"je d"_s, u"je d d"_s} << false;
        QTest::newRow("Backspace") << QStringList{u"je do"_s, u"je d"_s} << false;
    }
    void GiveWay() {
        QFETCH(QStringList, texts);
        QFETCH(bool, givesWay);
        const QStringList before = FPredictor.Candidates(texts[0], false, 2);
        QCOMPARE(before.size(), 2);
        const QStringList after = FPredictor.Candidates(texts[1], false, 2);
        QVERIFY(!after.isEmpty());
        bool repeated = false;
        for (const QString &w : after)
            repeated = repeated || before.contains(w);
        QCOMPARE(repeated, !givesWay);
    }

    void GiveWayStillFillsTheSlots() {
        FPredictor.Candidates(u"je počít"_s, false, 5);
        // Only two words start so: both stay offered rather than leaving the slots empty.
        QCOMPARE(FPredictor.Candidates(u"je počíta"_s, false, 5).size(), 2);
    }

    void Accept_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<qsizetype>("remove");
        QTest::addColumn<QString>("insert");
        QTest::newRow("partial word") << u"je dob"_s << u"dobrý"_s << qsizetype(3) << u"dobrý "_s;
        QTest::newRow("after a space") << u"je "_s << u"to"_s << qsizetype(0) << u"to "_s;
        QTest::newRow("after a comma") << u"ahoj,"_s << u"den"_s << qsizetype(0) << u" den "_s;
        QTest::newRow("empty") << QString() << u"To"_s << qsizetype(0) << u"To "_s;
    }
    void Accept() {
        QFETCH(QString, text);
        QFETCH(QString, candidate);
        QFETCH(qsizetype, remove);
        QFETCH(QString, insert);
        const TReplacement r = FPredictor.Accept(text, candidate);
        QCOMPARE(r.Remove, remove);
        QCOMPARE(r.Insert, insert);
    }

    // Successive states of the display; each occurrence counts once.
    void LearnOnce_data() {
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("count");
        QTest::newRow("written with a space")
            << QStringList{u"ahoj"_s, u"ahoj "_s} << u"ahoj"_s << 1;
        QTest::newRow("still typed") << QStringList{u"ahoj"_s} << u"ahoj"_s << 0;
        QTest::newRow("same state twice") << QStringList{u"ahoj "_s, u"ahoj "_s} << u"ahoj"_s << 1;
        QTest::newRow("Backspace and the space again")
            << QStringList{u"ahoj "_s, u"ahoj"_s, u"ahoj "_s} << u"ahoj"_s << 1;
        QTest::newRow("Backspace into the word and retyped")
            << QStringList{u"ahoj "_s, u"ah"_s, u"aho"_s, u"ahoj."_s} << u"ahoj"_s << 1;
        QTest::newRow("punctuation for the space")
            << QStringList{u"ahoj "_s, u"ahoj"_s, u"ahoj,"_s} << u"ahoj"_s << 1;
        QTest::newRow("a mended word is taken back")
            << QStringList{u"ahjo "_s, u"ah"_s, u"ahoj "_s} << u"ahjo"_s << 0;
        QTest::newRow("the mended word")
            << QStringList{u"ahjo "_s, u"ah"_s, u"ahoj "_s} << u"ahoj"_s << 1;
        QTest::newRow("a word made longer")
            << QStringList{u"ahoj "_s, u"ahoj"_s, u"ahojky "_s} << u"ahoj"_s << 0;
        QTest::newRow("cleared and written again")
            << QStringList{u"ahoj "_s, QString(), u"ahoj "_s} << u"ahoj"_s << 2;
        QTest::newRow("twice in the text") << QStringList{u"ahoj ahoj "_s} << u"ahoj"_s << 2;
        QTest::newRow("any case") << QStringList{u"Ahoj AHOJ "_s} << u"ahoj"_s << 2;
        QTest::newRow("next to a digit") << QStringList{u"abc1 1abc "_s} << u"abc"_s << 0;
        QTest::newRow("contraction") << QStringList{u"don't "_s} << u"don't"_s << 1;
    }
    void LearnOnce() {
        QFETCH(QStringList, states);
        QFETCH(QString, word);
        QFETCH(int, count);
        ObserveAll(states);
        QCOMPARE(int(FPredictor.UserModel().Use(word).Count), count);
        // Offered while it counts, and no longer once taken back.
        const QStringList offered = FPredictor.Candidates(u"je "_s + word.chopped(1), false, 5);
        QCOMPARE(offered.contains(word), count > 0);
    }

    void ForgetAll() {
        ObserveAll({u"zmrzlina dole "_s});
        QCOMPARE(FPredictor.Candidates(u"je zm"_s, false, 5), QStringList{u"zmrzlina"_s});
        FPredictor.ForgetAll();
        QVERIFY(FPredictor.UserModel().Words().isEmpty());
        QCOMPARE(FPredictor.UserModel().PairCount(), 0);
        QVERIFY(FPredictor.Candidates(u"je zm"_s, false, 5).isEmpty());
        // The text shown when forgetting is not learned again by the next change.
        FPredictor.Observe(u"zmrzlina dole d"_s);
        QCOMPARE(FPredictor.UserModel().Use(u"zmrzlina"_s).Count, 0u);
    }

    // Past its limits the model forgets the rare and long unused first, and never grows beyond.
    void Bounded_data() {
        QTest::addColumn<int>("maxWords");
        QTest::addColumn<int>("written");
        QTest::newRow("10 of 100") << 10 << 100;
        QTest::newRow("1 of 5") << 1 << 5;
    }
    void Bounded() {
        QFETCH(int, maxWords);
        QFETCH(int, written);
        TUserModel &model = FPredictor.UserModel();
        model.SetLimits(maxWords, maxWords);
        for (int i = 0; i < 20; ++i)
            model.Learn(QString(), u"oblíbené"_s);
        QString last;
        for (int i = 0; i < written; ++i) {
            last = u"slovo"_s + QString(QChar(u'a' + i % 26)) + QString(QChar(u'a' + i / 26));
            model.Learn(u"oblíbené"_s, last);
            QVERIFY(model.Words().size() <= maxWords);
            QVERIFY(model.PairCount() <= maxWords);
        }
        QVERIFY(model.Words().contains(u"oblíbené"_s));
        QVERIFY(!model.Words().contains(u"slovoaa"_s));
        if (maxWords > 1)
            QVERIFY(model.Words().contains(last));
    }

    void FollowersBounded() {
        TUserModel &model = FPredictor.UserModel();
        for (int i = 0; i < 5; ++i)
            model.Learn(u"pes"_s, u"štěká"_s);
        for (int i = 0; i < TUserModel::MaxFollowers + 50; ++i)
            model.Learn(u"pes"_s,
                        u"slovo"_s + QString(QChar(u'a' + i % 26)) + QString(QChar(u'a' + i / 26)));
        const QHash<QString, TWordUse> followers = model.Followers(u"pes"_s);
        QCOMPARE(followers.size(), TUserModel::MaxFollowers);
        QVERIFY(followers.contains(u"štěká"_s));
        QVERIFY(!followers.contains(u"slovoaa"_s));
        // What is kept can be written and read back.
        TUserModel again;
        QString why;
        QVERIFY2(again.Parse(model.Serialize(), &why), qPrintable(why));
    }

    void Fold() {
        QCOMPARE(PredictText::Fold(u"ŽLUŤOUČKÝ kůň ďábelsky úpěl"_s),
                 u"zlutoucky kun dabelsky upel"_s);
    }
};

QTEST_GUILESS_MAIN(TestPredict)
#include "tst_Predict.moc"
