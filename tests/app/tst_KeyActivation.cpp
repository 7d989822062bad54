#include "ConfirmChoice.h"
#include "ConfirmDlg.h"
#include "FormFixture.h"
#include "Printer.h"
#include "SendingKeys.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

class TestKeyActivation : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;

    // Clicks keys with these texts in turn (each made once) and returns the display's text.
    QString Type(const QStringList &texts) {
        QHash<QString, TVxKey *> made;
        for (const QString &t : texts) {
            if (!made.contains(t))
                made.insert(t, F->AddKey(t));
        }
        for (const QString &t : texts)
            TFormFixture::Click(made.value(t));
        return F->Form->Display->toPlainText();
    }

private slots:
    void init() {
        F = std::make_unique<TFormFixture>();
        F->Make();
    }
    void cleanup() { F.reset(); }

    void textKeys_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("written");
        QTest::newRow("letter") << QStringList{QStringLiteral("a")} << QStringLiteral("a");
        QTest::newRow("capitalised word")
            << QStringList{QStringLiteral("Ahoj")} << QStringLiteral("Ahoj ");
        QTest::newRow("sentence gets a capital")
            << QStringList{QStringLiteral("dobrý den.")} << QStringLiteral("Dobrý den. ");
        QTest::newRow("caron then c")
            << QStringList{QString(QChar(0x02C7)), QStringLiteral("c")} << QStringLiteral("č");
        QTest::newRow("ring then u")
            << QStringList{QString(QChar(0x00B0)), QStringLiteral("u")} << QStringLiteral("ů");
        QTest::newRow("caron twice writes the caron")
            << QStringList{QString(QChar(0x02C7)), QString(QChar(0x02C7))}
            << QString(QChar(0x02C7));
    }
    void textKeys() {
        QFETCH(QStringList, keys);
        QFETCH(QString, written);
        QCOMPARE(Type(keys), written);
    }

    void accentShowsUntilUsed() {
        TVxKey *accent = F->AddKey(QString(QChar(0x00B4)));
        TVxKey *e = F->AddKey(QStringLiteral("E"));
        TFormFixture::Click(accent);
        QCOMPARE(F->Form->DiacrLabel->text(), QString(QChar(0x00B4)));
        TFormFixture::Click(e);
        QCOMPARE(F->Form->DiacrLabel->text(), QString());
        QCOMPARE(F->Form->Display->toPlainText(), QStringLiteral("é"));
    }

    // The box shows the whole accent, not a cut-off line of it.
    void accentIsDrawnWhole_data() {
        QTest::addColumn<QChar>("accent");
        QTest::newRow("caron") << QChar(0x02C7);
        QTest::newRow("acute") << QChar(0x00B4);
        QTest::newRow("ring") << QChar(0x00B0);
    }
    void accentIsDrawnWhole() {
        QFETCH(QChar, accent);
        F->Form->SetAccent(accent);
        const QImage box = F->Form->Panel1->grab().toImage();
        const QRgb background = box.pixel(0, 0);
        int top = box.height(), bottom = -1;
        for (int y = 0; y < box.height(); ++y) {
            for (int x = 0; x < box.width(); ++x) {
                if (box.pixel(x, y) != background) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        QVERIFY2(bottom >= 0, "nothing drawn");
        // Clipped, the ink would run into an edge of the box.
        QVERIFY(top > 0);
        QVERIFY(bottom < box.height() - 1);
        QVERIFY(bottom - top >= 3);
    }

    void shiftAndCapsLockKeys() {
        TVxKey *shift = F->AddKey(QStringLiteral("Shift"), TSpecialKey::Shift);
        TVxKey *caps = F->AddKey(QStringLiteral("Caps"), TSpecialKey::Caps_Lock);
        TVxKey *word = F->AddKey(QStringLiteral("ahoj"));
        TFormFixture::Click(shift);
        QVERIFY(F->Form->ShiftLabel->isEnabled());
        TFormFixture::Click(word);
        QVERIFY(!F->Form->ShiftLabel->isEnabled());
        TFormFixture::Click(caps);
        QVERIFY(F->Form->CapsLockLabel->isEnabled());
        QCOMPARE(caps->PressedOffset(), 1); // held down while Caps Lock is on
        TFormFixture::Click(word);
        TFormFixture::Click(caps);
        QVERIFY(!F->Form->CapsLockLabel->isEnabled());
        QCOMPARE(caps->PressedOffset(), 0);
        QCOMPARE(F->Form->Display->toPlainText(), QStringLiteral("Ahoj AHOJ "));
    }

    void editingKeysActOnTheDisplay() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        TVxKey *space = F->AddKey(QStringLiteral("Mezera"), TSpecialKey::Space);
        TVxKey *back = F->AddKey(QStringLiteral("Zpět"), TSpecialKey::Backspace);
        TVxKey *enter = F->AddKey(QStringLiteral("Enter"), TSpecialKey::Enter);
        TVxKey *home = F->AddKey(QStringLiteral("Home"), TSpecialKey::Home);
        for (TVxKey *k : {a, space, a, back, enter, a, home, a})
            TFormFixture::Click(k);
        QCOMPARE(F->Form->Display->toPlainText(), QStringLiteral("a \naa"));
        QVERIFY(!SendingKeys);
    }

    void clearLineDeletesTheCurrentLine() {
        F->Form->Display->setPlainText(QStringLiteral("první\ndruhý řádek\ntřetí"));
        QTextCursor c = F->Form->Display->textCursor();
        c.setPosition(10);
        F->Form->Display->setTextCursor(c);
        TFormFixture::Click(F->AddKey(QStringLiteral("Smaž"), TSpecialKey::ClearLn));
        QCOMPARE(F->Form->Display->toPlainText(), QStringLiteral("první\n\ntřetí"));
    }

    void clearAsksAndSwitchesAnswer_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes clears") << true;
        QTest::newRow("no keeps") << false;
    }
    void clearAsksAndSwitchesAnswer() {
        QFETCH(bool, yes);
        F->Form->Display->setPlainText(QStringLiteral("text"));
        TVxKey *clear = F->AddKey(QStringLiteral("Smazat"), TSpecialKey::Clear);
        TConfirmDlg *dlg = F->Form->ConfirmDlg();
        // Answer with the switches once the question is up: switch 1 moves to "&Ano".
        QTimer::singleShot(0, dlg, [dlg, yes] {
            QVERIFY(dlg->isVisible());
            if (yes)
                dlg->SwitchPressed(32);
            dlg->SwitchPressed(13);
        });
        TFormFixture::Click(clear);
        QCOMPARE(F->Form->Display->toPlainText().isEmpty(), yes);
        QVERIFY(F->Form->Timer2->isActive());
    }

    void talkReadsEverythingAndSoundPlays() {
        F->Form->Display->setPlainText(QStringLiteral("Mám hlad."));
        TFormFixture::Click(F->AddKey(QStringLiteral("Mluv"), TSpecialKey::Talk));
        QCOMPARE(F->Speech.Spoken, QStringList{QStringLiteral("Mám hlad.")});
        QVERIFY(F->Form->Timer2->isActive());

        TVxKey *bell = F->AddKey(QStringLiteral("Zvonek"), TSpecialKey::Sound);
        bell->SetWavName(QStringLiteral("zvonek.wav"));
        TFormFixture::Click(bell);
        QCOMPARE(F->Speech.Sounds, QStringList{Dirs().SoundsDir + QStringLiteral("zvonek.wav")});
        QVERIFY(F->Form->Display->toPlainText().contains(QStringLiteral("Zvonek ")));
    }

    void automaticReading_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("off") << 0 << QStringList{};
        QTest::newRow("all") << 1
                             << QStringList{QStringLiteral("Ahoj"), QStringLiteral("Mám hlad.")};
        QTest::newRow("sentences") << 2 << QStringList{QStringLiteral("Mám hlad.")};
    }
    void automaticReading() {
        QFETCH(int, mode);
        QFETCH(QStringList, spoken);
        AutoReadMode = static_cast<unsigned char>(mode);
        Type({QStringLiteral("Ahoj"), QStringLiteral("Mám hlad.")});
        QCOMPARE(F->Speech.Spoken, spoken);
        AutoReadMode = 0;
    }

    void enterInRowsModeReadsTheLine() {
        AutoReadMode = 3;
        Type({QStringLiteral("Ahoj"), QStringLiteral("světe")});
        TFormFixture::Click(F->AddKey(QStringLiteral("Enter"), TSpecialKey::Enter));
        AutoReadMode = 0;
        QCOMPARE(F->Speech.Spoken, QStringList{QStringLiteral("Ahoj světe ")});
        QCOMPARE(F->Form->Display->toPlainText(), QStringLiteral("Ahoj světe \n"));
    }

    void printGoesToThePrinter() {
        QTemporaryDir out;
        F->Form->Printer()->SetOutputFile(out.filePath(QStringLiteral("o.pdf")));
        F->Form->Display->setPlainText(QStringLiteral("Tisk"));
        TFormFixture::Click(F->AddKey(QStringLiteral("Tisk"), TSpecialKey::Print));
        QVERIFY(QFileInfo(out.filePath(QStringLiteral("o.pdf"))).size() > 0);
        QCOMPARE(F->Form->Printer()->DocName(), QStringLiteral("Orvanta"));
    }

    void editModeKeysDoNothing() {
        TVxKey *a = F->AddKey(QStringLiteral("a"));
        F->Form->SetEditMode(true);
        TFormFixture::Click(a);
        QCOMPARE(F->Form->Display->toPlainText(), QString());
    }

    void physicalCapsAndShiftToggle() {
        F->Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(F->Form.get()));
        F->Form->Display->setFocus();
        QTest::keyClick(F->Form->Display, Qt::Key_CapsLock);
        QVERIFY(F->Form->CapsLockLabel->isEnabled());
        QTest::keyClick(F->Form->Display, Qt::Key_Shift);
        QVERIFY(F->Form->ShiftLabel->isEnabled());
        QTest::keyClick(F->Form->Display, Qt::Key_CapsLock);
        QVERIFY(!F->Form->CapsLockLabel->isEnabled());
    }
};

QTEST_MAIN(TestKeyActivation)
#include "tst_KeyActivation.moc"
