#include "ColorField.h"

#include <QSignalSpy>
#include <QTest>

using TTrigger = TColorField::TTrigger;
Q_DECLARE_METATYPE(TTrigger)

// The colour field of the grid and key dialogs: one way of painting and telling a colour for
// both triggers, and what asks for a colour with each.
class TestColorField : public QObject {
    Q_OBJECT

private slots:
    // A stored colour, a system colour, the default and none, painted and read out alike
    // whatever the trigger.
    void paintsAndTellsTheColour_data() {
        QTest::addColumn<TTrigger>("trigger");
        QTest::addColumn<uint>("color");
        QTest::addColumn<QString>("shown"); // empty: nothing painted, nothing told
        const QPalette palette;
        const QString face = palette.color(QPalette::Button).name();
        for (const auto &[trigger, name] : {std::pair{TTrigger::Click, "click"},
                                            std::pair{TTrigger::DoubleClick, "double click"}}) {
            const auto row = [name](const char *what) -> QTestData & {
                return QTest::newRow(qPrintable(
                    QStringLiteral("%1, %2").arg(QLatin1String(name), QLatin1String(what))));
            };
            row("stored") << trigger << 0x00332211u << QStringLiteral("#112233");
            row("button face") << trigger << 0xFF00000Fu << face;
            row("default") << trigger << 0x20000000u << face;
            row("none") << trigger << 0x1FFFFFFFu << QString();
        }
    }
    void paintsAndTellsTheColour() {
        QFETCH(TTrigger, trigger);
        QFETCH(uint, color);
        QFETCH(QString, shown);
        TColorField field(trigger, QStringLiteral("Barva"));
        field.resize(field.sizeHint());
        field.SetColor(color);
        QCOMPARE(field.Color(), color);
        QCOMPARE(field.accessibleName(), QStringLiteral("Barva"));
        QCOMPARE(field.accessibleDescription(), shown);
        if (!shown.isEmpty()) {
            const QImage image = field.grab().toImage();
            QCOMPARE(image.pixelColor(image.rect().center()).name(), shown);
        }
    }

    // What asks for a colour: a click or Space on a button, a double click, Space or Enter on a
    // sunken field; never anything else.
    void triggers_data() {
        QTest::addColumn<TTrigger>("trigger");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("requests");
        QTest::newRow("button, click") << TTrigger::Click << "click" << 1;
        QTest::newRow("button, Space") << TTrigger::Click << "space" << 1;
        QTest::newRow("button, Enter") << TTrigger::Click << "enter" << 0;
        QTest::newRow("field, click") << TTrigger::DoubleClick << "click" << 0;
        QTest::newRow("field, double click") << TTrigger::DoubleClick << "double" << 1;
        QTest::newRow("field, Space") << TTrigger::DoubleClick << "space" << 1;
        QTest::newRow("field, Enter") << TTrigger::DoubleClick << "enter" << 1;
        QTest::newRow("field, Escape") << TTrigger::DoubleClick << "escape" << 0;
    }
    void triggers() {
        QFETCH(TTrigger, trigger);
        QFETCH(QString, action);
        QFETCH(int, requests);
        TColorField field(trigger, QStringLiteral("Barva"));
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        QSignalSpy spy(&field, &TColorField::ColorRequested);
        if (action == QLatin1String("click"))
            QTest::mouseClick(&field, Qt::LeftButton);
        else if (action == QLatin1String("double"))
            QTest::mouseDClick(&field, Qt::LeftButton);
        else if (action == QLatin1String("space"))
            QTest::keyClick(&field, Qt::Key_Space);
        else if (action == QLatin1String("enter"))
            QTest::keyClick(&field, Qt::Key_Return);
        else
            QTest::keyClick(&field, Qt::Key_Escape);
        QCOMPARE(spy.count(), requests);
        if (requests)
            QCOMPARE(spy.first().first().value<TColorField *>(), &field);
    }
};

QTEST_MAIN(TestColorField)
#include "tst_ColorField.moc"
