#include "AppStrings.h"
#include "FormFixture.h"
#include "VirtualKeys.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolButton>

class TestAutoReading : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormFixture> F;

private slots:
    void init() {
        F = std::make_unique<TFormFixture>();
        F->Make();
    }
    void cleanup() { F.reset(); }

    void echoClicksOnRelease_data() {
        QTest::addColumn<bool>("echo");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("clicks");
        QTest::newRow("switch 1") << true << 32 << 1;
        QTest::newRow("switch 2") << true << 13 << 1;
        QTest::newRow("F8 never") << true << int(VirtualKeys::VK_F8) << 0;
        QTest::newRow("echo off") << false << 32 << 0;
    }
    void echoClicksOnRelease() {
        QFETCH(bool, echo);
        QFETCH(int, code);
        QFETCH(int, clicks);
        TForm1 &form = *F->Form;
        form.Menu.EchoItem->setChecked(echo);
        form.SwitchDown(code, 0);
        QCOMPARE(F->Speech.Sounds.size(), 0); // the press is silent
        form.SwitchUp(code, 10);
        QCOMPARE(F->Speech.Sounds, QStringList(clicks, Dirs().ProgramDir + AppStrings::EchoSound));
    }

    void readingModeItems_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("mode");
        QTest::newRow("no") << "NoItem" << 0;
        QTest::newRow("all") << "AllItem" << 1;
        QTest::newRow("sentences") << "SentItem" << 2;
        QTest::newRow("rows") << "RowsItem" << 3;
    }
    void readingModeItems() {
        QFETCH(QString, item);
        QFETCH(int, mode);
        TForm1 &form = *F->Form;
        form.Menu.RowsItem->trigger();
        form.findChild<QAction *>(item)->trigger();
        QCOMPARE(int(AutoReadMode), mode);
        QCOMPARE(form.Menu.AutomaticRead->menuAction()->isChecked(), mode != 0);
        for (QAction *a : form.Menu.ReadGroup->actions())
            QCOMPARE(a->isChecked(), a->objectName() == item);
    }

    // A mode stored outside the four checks no item and reads nothing, also at Enter.
    void unknownModeReadsNothing() {
        TForm1 &form = *F->Form;
        form.SetAutoReadMode(9);
        for (QAction *a : form.Menu.ReadGroup->actions())
            QVERIFY(!a->isChecked());
        TFormFixture::Click(F->AddKey(QStringLiteral("Mám hlad.")));
        TFormFixture::Click(F->AddKey(QStringLiteral("Enter"), TSpecialKey::Enter));
        QCOMPARE(F->Speech.Spoken, QStringList());
        QCOMPARE(int(AutoReadMode), 9);
    }

    void stopButtonStopsSpeech() {
        F->Form->BitBtn1->click();
        QCOMPARE(F->Speech.Stops, 1);
    }
};

QTEST_MAIN(TestAutoReading)
#include "tst_AutoReading.moc"
