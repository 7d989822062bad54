#include "KeyboardLayout.h"
#include "ScanPresets.h"
#include "SwitchCodeText.h"

#include <QTest>

namespace {

// A Czech keyboard as far as the tests need it: the digit row types ě, š, č unshifted.
class TCzechLayout final : public TKeyboardLayout {
public:
    int KeyScan(char32_t ch) const override {
        switch (ch) {
        case U'ě':
            return '2';
        case U'š':
            return '3';
        case U'2':
            return '2' | 0x100;
        case U'+':
            return '1';
        default:
            return Us().KeyScan(ch);
        }
    }
};

const TCzechLayout kCzech;

} // namespace

class TestSwitchCodeText : public QObject {
    Q_OBJECT

private slots:
    void names() {
        const QString names = QStringLiteral("Space,Backspace,Enter,Escape,Tab,Insert,Delete,Home,"
                                             "End,Page Up,Page Down,Up,Down,Left,Right");
        QCOMPARE(SwitchCodeText::Names(), names.split(QLatin1Char(',')));
        const int codes[] = {32, 8, 13, 27, 9, 45, 46, 36, 35, 33, 34, 38, 40, 37, 39};
        for (int i = 0; i < SwitchCodeText::NameCount; ++i)
            QCOMPARE(SwitchCodeText::NameCode(i), codes[i]);
    }

    void code_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("czech");
        QTest::addColumn<int>("code");
        QTest::newRow("list name") << "Space" << false << 32;
        QTest::newRow("name in any case, blanks around") << " page down " << false << 34;
        QTest::newRow("F1") << "F1" << false << 112;
        QTest::newRow("F12") << "F12" << false << 123;
        QTest::newRow("F24") << "F24" << false << 135;
        QTest::newRow("small f") << "f5" << false << 116;
        QTest::newRow("F8 is named, the switch check refuses it") << "F8" << false << 119;
        QTest::newRow("F25 does not exist") << "F25" << false << 0;
        QTest::newRow("F0") << "F0" << false << 0;
        QTest::newRow("leading zero") << "F05" << false << 0;
        QTest::newRow("letter F") << "F" << false << 70;
        QTest::newRow("small letter") << "a" << false << 65;
        QTest::newRow("capital letter") << "A" << false << 65;
        QTest::newRow("digit") << "7" << false << 55;
        QTest::newRow("shifted digit is the digit's key") << "!" << false << 49;
        QTest::newRow("punctuation") << ";" << false << 0xBA;
        QTest::newRow("a lone blank") << " " << false << 32;
        QTest::newRow("blanks around a letter") << " x " << false << 88;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("only blanks") << "   " << false << 0;
        QTest::newRow("no key types it") << "ě" << false << 0;
        QTest::newRow("outside the code page") << "€" << false << 0;
        QTest::newRow("two letters are no name") << "ab" << false << 0;
        QTest::newRow("code by number") << "#96" << false << 96;
        QTest::newRow("number too big") << "#256" << false << 0;
        QTest::newRow("number zero") << "#0" << false << 0;
        QTest::newRow("hash alone is a character") << "#" << false << 0x33;
        QTest::newRow("czech letter on czech layout") << "ě" << true << 0x32;
        QTest::newRow("shifted on czech layout") << "2" << true << 0x32;
        QTest::newRow("czech plus is the 1 key") << "+" << true << 0x31;
    }
    void code() {
        QFETCH(QString, text);
        QFETCH(bool, czech);
        const TKeyboardLayout &layout = czech ? kCzech : TKeyboardLayout::Us();
        QTEST(SwitchCodeText::Code(text, layout), "code");
    }

    void text_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("space") << 32 << "Space";
        QTest::newRow("enter") << 13 << "Enter";
        QTest::newRow("right") << 39 << "Right";
        QTest::newRow("F12") << 123 << "F12";
        QTest::newRow("F24") << 135 << "F24";
        QTest::newRow("letter") << 65 << "A";
        QTest::newRow("digit") << 48 << "0";
        QTest::newRow("F8") << 119 << "F8";
        QTest::newRow("keypad 0 is not the ` key") << 0x60 << "#96";
        QTest::newRow("shift has no character") << 16 << "#16";
        QTest::newRow("punctuation key") << 0xBA << "#186";
        QTest::newRow("none") << 0 << "#0";
    }
    void text() {
        QFETCH(int, code);
        QTEST(SwitchCodeText::Text(code, TKeyboardLayout::Us()), "text");
    }

    // Whatever a field shows for a code gives that code back, so opening the dialog and
    // pressing OK never changes a switch.
    void everyCodeSurvivesItsText() {
        for (const TKeyboardLayout *layout :
             {&TKeyboardLayout::Us(), static_cast<const TKeyboardLayout *>(&kCzech)}) {
            for (int code = 1; code <= 255; ++code) {
                const QString shown = SwitchCodeText::Text(code, *layout);
                QVERIFY2(SwitchCodeText::Code(shown, *layout) == code,
                         qPrintable(QString::number(code) + QLatin1String(" -> ") + shown));
            }
        }
    }

    void presets_data() {
        QTest::addColumn<int>("modes");
        QTest::addColumn<int>("preset");
        QTest::newRow("simple") << 0 << 0;
        QTest::newRow("advanced") << int(smStayOnRow) << 1;
        QTest::newRow("x no stop") << int(smShowX | smStayOnRow | smStayOnCol) << 2;
        QTest::newRow("x stop") << int(smShowX | smStop) << 3;
        QTest::newRow("stop alone") << int(smStop) << ScanPresets::Custom;
        QTest::newRow("all") << 15 << ScanPresets::Custom;
        QTest::newRow("stay on column alone") << int(smStayOnCol) << ScanPresets::Custom;
    }
    void presets() {
        QFETCH(int, modes);
        QFETCH(int, preset);
        QCOMPARE(ScanPresets::PresetOf(TScanModes::fromInt(modes)), preset);
        if (preset != ScanPresets::Custom)
            QCOMPARE(ScanPresets::Modes(preset).toInt(), modes);
    }

    void presetNames() {
        QCOMPARE(
            ScanPresets::Names(),
            QStringList({QStringLiteral("Jednoduchý (1 signál, bez zastavování)"),
                         QStringLiteral("Pokročilý (s přepínáním směru skenování)"),
                         QStringLiteral("X kursor (bez zastavování)"),
                         QStringLiteral("X kursor (se zastavováním)"), QStringLiteral("Vlastní")}));
        QCOMPARE(ScanPresets::Modes(ScanPresets::Custom).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSwitchCodeText)
#include "tst_SwitchCodeText.moc"
