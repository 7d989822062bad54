#include "ConfirmChoice.h"

#include <QTest>

using TButton = TConfirmChoice::TButton;
using TColor = TConfirmChoice::TFontColor;
using TAction = TConfirmChoice::TAction;

// One switch release: its code and how long it was held.
struct TRelease {
    int Code;
    int Duration;
};
Q_DECLARE_METATYPE(QList<TRelease>)

class TestConfirmChoice : public QObject {
    Q_OBJECT

    static constexpr int kSw1 = 32;
    static constexpr int kSw2 = 13;
    static constexpr int kSwTime = 500;

private slots:
    void startsOnNo() {
        const TConfirmChoice choice;
        QCOMPARE(choice.Chosen(), TButton::No);
        QCOMPARE(choice.ChosenResult(), TConfirmChoice::kResultNo);
        QCOMPARE(choice.FontColor(TButton::Yes), TColor::Navy);
        QCOMPARE(choice.FontColor(TButton::No), TColor::Navy);
    }

    void switches_data() {
        QTest::addColumn<int>("code1");
        QTest::addColumn<int>("code2");
        QTest::addColumn<QList<TRelease>>("releases");
        QTest::addColumn<TAction>("lastAction");
        QTest::addColumn<TButton>("chosen");

        const int s1 = kSw1, s2 = kSw2, held = kSwTime + 1;
        QTest::newRow("switch 2 at once answers no")
            << s1 << s2 << QList<TRelease>{{s2, 10}} << TAction::Pressed << TButton::No;
        QTest::newRow("switch 1 then switch 2 answers yes")
            << s1 << s2 << QList<TRelease>{{s1, 10}, {s2, 10}} << TAction::Pressed << TButton::Yes;
        QTest::newRow("switch 1 twice comes back to no")
            << s1 << s2 << QList<TRelease>{{s1, 10}, {s1, 10}} << TAction::Moved << TButton::No;
        QTest::newRow("long press of switch 1 presses no")
            << s1 << s2 << QList<TRelease>{{s1, held}} << TAction::Pressed << TButton::No;
        QTest::newRow("long press after a move presses yes")
            << s1 << s2 << QList<TRelease>{{s1, 10}, {s1, held}} << TAction::Pressed
            << TButton::Yes;
        QTest::newRow("held exactly SwTime is still switch 1")
            << s1 << s2 << QList<TRelease>{{s1, kSwTime}} << TAction::Moved << TButton::Yes;
        QTest::newRow("long switch 2 presses too")
            << s1 << s2 << QList<TRelease>{{s2, held}} << TAction::Pressed << TButton::No;
        QTest::newRow("other key ignored")
            << s1 << s2 << QList<TRelease>{{65, 10}} << TAction::None << TButton::No;
        QTest::newRow("other key held long ignored")
            << s1 << s2 << QList<TRelease>{{65, held}} << TAction::None << TButton::No;
        QTest::newRow("equal codes: switch 1 wins")
            << s1 << s1 << QList<TRelease>{{s1, 10}} << TAction::Moved << TButton::Yes;
        QTest::newRow("equal codes: a long press still answers")
            << s1 << s1 << QList<TRelease>{{s1, 10}, {s1, held}} << TAction::Pressed
            << TButton::Yes;
        QTest::newRow("negative duration across midnight is short")
            << s1 << s2 << QList<TRelease>{{s1, -86000}} << TAction::Moved << TButton::Yes;
    }
    void switches() {
        QFETCH(int, code1);
        QFETCH(int, code2);
        QFETCH(QList<TRelease>, releases);
        QFETCH(TAction, lastAction);
        QFETCH(TButton, chosen);

        TConfirmChoice choice;
        choice.SetSwitchCode1(code1);
        choice.SetSwitchCode2(code2);
        TAction action = TAction::None;
        for (const TRelease &r : releases)
            action = choice.SwitchReleased(r.Code, r.Duration, kSwTime);
        QCOMPARE(action, lastAction);
        QCOMPARE(choice.Chosen(), chosen);
        QCOMPARE(choice.ChosenResult(),
                 chosen == TButton::Yes ? TConfirmChoice::kResultYes : TConfirmChoice::kResultNo);
    }

    void switchPressedIgnoresHoldTime() {
        TConfirmChoice choice;
        choice.SetSwitchCode1(kSw1);
        choice.SetSwitchCode2(kSw2);
        QCOMPARE(choice.SwitchPressed(kSw1), TAction::Moved);
        QCOMPARE(choice.SwitchPressed(kSw2), TAction::Pressed);
        QCOMPARE(choice.SwitchPressed(0), TAction::None);
        choice.SetSwitchCode2(kSw1);
        QCOMPARE(choice.SwitchPressed(kSw1), TAction::Moved);
    }

    void onlyTheChosenButtonBlinks() {
        TConfirmChoice choice;
        choice.Blink();
        QCOMPARE(choice.FontColor(TButton::No), TColor::Red);
        QCOMPARE(choice.FontColor(TButton::Yes), TColor::Navy);
        choice.Blink();
        QCOMPARE(choice.FontColor(TButton::No), TColor::Navy);

        // Losing the choice while red leaves the caption navy.
        choice.Blink();
        choice.SwitchPressed(choice.SwitchCode1());
        QCOMPARE(choice.FontColor(TButton::No), TColor::Navy);
        choice.Blink();
        QCOMPARE(choice.FontColor(TButton::Yes), TColor::Red);
        choice.SwitchPressed(choice.SwitchCode1());
        QCOMPARE(choice.FontColor(TButton::Yes), TColor::Navy);
        QCOMPARE(choice.FontColor(TButton::No), TColor::Navy);
    }

    void resetStartsTheNextQuestionOnNo() {
        TConfirmChoice choice;
        choice.SwitchPressed(choice.SwitchCode1());
        choice.Blink();
        QCOMPARE(choice.FontColor(TButton::Yes), TColor::Red);
        choice.Reset();
        QCOMPARE(choice.Chosen(), TButton::No);
        QCOMPARE(choice.FontColor(TButton::Yes), TColor::Navy);
    }
};

QTEST_APPLESS_MAIN(TestConfirmChoice)
#include "tst_ConfirmChoice.moc"
