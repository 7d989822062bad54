// Typing into other applications: what a key sends (its text as the composer makes it, turned
// into key codes of the X server's map) and how the window wires the mode.
#include "FormFixture.h"
#include "KeystrokeTranslator.h"
#include "SpecialKey.h"
#include "SwitchFilter.h"
#include "TextComposer.h"
#include "TypingFile.h"
#include "VirtualKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QTextEdit>
#include <xkbcommon/xkbcommon.h>

namespace {

// A US keyboard map as an X server has it: letters and digits with their shifted levels, the
// keys the keystroke keys need; every other code is free.
TKeyMap UsMap() {
    TKeyMap map;
    const auto row = [&map](int first, const char *plain, const char *shifted) {
        for (int i = 0; plain[i]; ++i)
            map.Set(first + i, {uint32_t(uchar(plain[i])), uint32_t(uchar(shifted[i]))});
    };
    row(10, "1234567890", "!@#$%^&*()");
    row(24, "qwertyuiop", "QWERTYUIOP");
    row(38, "asdfghjkl", "ASDFGHJKL");
    row(52, "zxcvbnm,./", "ZXCVBNM<>?");
    map.Set(9, {XKB_KEY_Escape});
    map.Set(22, {XKB_KEY_BackSpace});
    map.Set(23, {XKB_KEY_Tab, XKB_KEY_ISO_Left_Tab});
    map.Set(36, {XKB_KEY_Return});
    map.Set(50, {XKB_KEY_Shift_L});
    map.Set(66, {XKB_KEY_Caps_Lock});
    map.Set(65, {XKB_KEY_space});
    map.Set(110, {XKB_KEY_Home});
    map.Set(113, {XKB_KEY_Left});
    map.Set(115, {XKB_KEY_End});
    map.Set(119, {XKB_KEY_Delete});
    return map;
}

// Writes down what reaches the server: a press as the keysym its code has then, a borrowed
// code as "code:=keysym".
class TRecordingSink final : public TKeystrokeSink {
public:
    explicit TRecordingSink(const TKeyMap &map)
        : FMap(map) {}
    QStringList Strokes;

    void Send(const TKeystroke &s) override {
        if (s.Kind == TKeystroke::Map) {
            FMap.Set(s.Keycode, {s.Keysym});
            Strokes << QString::number(s.Keycode) + QStringLiteral(":=") + Name(s.Keysym);
            return;
        }
        Strokes << Name(FMap.Keysym(s.Keycode, 0)) +
                       (s.Kind == TKeystroke::Down ? QStringLiteral("v") : QStringLiteral("^"));
    }

private:
    static QString Name(uint32_t keysym) {
        char name[64];
        if (xkb_keysym_get_name(keysym, name, sizeof name) < 0)
            return QStringLiteral("?");
        return QString::fromLatin1(name);
    }
    TKeyMap FMap;
};

// Stands in for the X server's parts and records what the window asks of them.
class TFakeOutput final : public TKeyOutput {
public:
    QStringList Sent;
    int Restored = 0;
    void TypeText(const QString &text) override { Sent << text; }
    void PressKey(int virtualKey, bool withShift) override {
        Sent << (withShift ? QStringLiteral("shift+") : QString()) + QString::number(virtualKey);
    }
    void Restore() override { ++Restored; }
};

class TFakeKeys final : public TGlobalKeys {
public:
    TOnKey OnKey;
    QList<int> Taken;
    bool Holding = false;
    void SetOnKey(TOnKey onKey) override { OnKey = std::move(onKey); }
    bool Take(const QList<int> &keys) override {
        Taken = keys;
        Holding = true;
        return true;
    }
    void Release() override { Holding = false; }
};

constexpr int kSpaceCode = 65;
constexpr int kReturnCode = 36;

} // namespace

class TestOtherApplications : public QObject {
    Q_OBJECT

private slots:
    // A key of the table with the writing states before it: what the other application gets.
    void keystrokes_data() {
        QTest::addColumn<bool>("capsLock");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("accent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("textSh");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("switchKeysTaken");
        QTest::addColumn<QString>("expected");

        const QString none;
        QTest::newRow("letter") << false << false << none << "d" << none << 0 << false << "dv d^";
        QTest::newRow("Shift gives a capital")
            << false << true << none << "d" << none << 0 << false << "Shift_Lv dv d^ Shift_L^";
        QTest::newRow("Caps Lock gives a capital")
            << true << false << none << "o" << none << 0 << false << "Shift_Lv ov o^ Shift_L^";
        QTest::newRow("shifted text") << false << true << none << "1"
                                      << "!" << 0 << false << "Shift_Lv 1v 1^ Shift_L^";
        QTest::newRow("Czech letter the layout lacks")
            << false << false << none << "ř" << none << 0 << false << "255:=rcaron rcaronv rcaron^";
        QTest::newRow("Czech capital under Caps Lock")
            << true << false << none << "ý" << none << 0 << false << "255:=Yacute Yacutev Yacute^";
        QTest::newRow("acute accent composed first")
            << false << false << QStringLiteral("´") << "y" << none << 0 << false
            << "255:=yacute yacutev yacute^";
        QTest::newRow("caron and Shift") << false << true << QStringLiteral("ˇ") << "c" << none << 0
                                         << false << "255:=Ccaron Ccaronv Ccaron^";
        QTest::newRow("accent key alone sends nothing")
            << false << false << none << QStringLiteral("ˇ") << none << 0 << false << "";
        QTest::newRow("a word borrows a code once and ends in a blank")
            << false << false << none << "řeř" << none << 0 << false
            << "255:=rcaron rcaronv rcaron^ ev e^ rcaronv rcaron^ spacev space^";
        QTest::newRow("sentence end capitalises")
            << false << false << none << "den." << none << 0 << false
            << "Shift_Lv dv d^ Shift_L^ ev e^ nv n^ periodv period^ spacev space^";
        QTest::newRow("the blank avoids the switch key")
            << false << false << none << "ne" << none << 0 << true
            << "nv n^ ev e^ 255:=space spacev space^";
        QTest::newRow("Backspace")
            << false << false << none << none << none << 8 << false << "BackSpacev BackSpace^";
        QTest::newRow("Left arrow")
            << false << false << none << none << none << 37 << false << "Leftv Left^";
        QTest::newRow("Enter is switch 2") << false << false << none << none << none << 13 << true
                                           << "255:=Return Returnv Return^";
        QTest::newRow("Space is switch 1")
            << false << false << none << none << none << 32 << true << "255:=space spacev space^";
        QTest::newRow("Space while the mode's grabs are off")
            << false << false << none << none << none << 32 << false << "spacev space^";
        QTest::newRow("Escape") << false << false << none << none << none << 27 << false
                                << "Escapev Escape^";
        QTest::newRow("a character without any keysym")
            << false << false << none << QStringLiteral("\x01") << none << 0 << false << "";
    }
    void keystrokes() {
        QFETCH(bool, capsLock);
        QFETCH(bool, shift);
        QFETCH(QString, accent);
        QFETCH(QString, text);
        QFETCH(QString, textSh);
        QFETCH(int, code);
        QFETCH(bool, switchKeysTaken);
        QFETCH(QString, expected);

        TTextComposer composer;
        composer.SetCapsLock(capsLock);
        composer.SetShift(shift);
        composer.SetAccent(accent.isEmpty() ? QChar() : accent.front());
        TRecordingSink sink(UsMap());
        TKeystrokeTranslator translator(UsMap(), sink);
        if (switchKeysTaken)
            translator.SetReserved({kSpaceCode, kReturnCode});
        if (code == 0)
            translator.TypeText(
                composer.KeyText(text, textSh, TTextKeyKind::Text, AutoRead::None).Insert);
        else
            translator.PressKey(code);
        QCOMPARE(sink.Strokes.join(QLatin1Char(' ')), expected);
    }

    // The user's own Caps Lock on the X server would turn the chosen case round: a text goes
    // out with it off for the while, a keystroke key as it is.
    void serverCapsLock_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("small letter")
            << "a" << 0 << "Caps_Lockv Caps_Lock^ av a^ Caps_Lockv Caps_Lock^";
        QTest::newRow("capital")
            << "A" << 0 << "Caps_Lockv Caps_Lock^ Shift_Lv av a^ Shift_L^ Caps_Lockv Caps_Lock^";
        QTest::newRow("Czech letter")
            << "ž" << 0
            << "Caps_Lockv Caps_Lock^ 255:=zcaron zcaronv zcaron^ Caps_Lockv Caps_Lock^";
        QTest::newRow("arrow") << QString() << 37 << "Leftv Left^";
        QTest::newRow("Caps Lock key switching layouts")
            << "a" << -1
            << "Shift_Lv ISO_Next_Groupv ISO_Next_Group^ Shift_L^ av a^ Shift_Lv ISO_Next_Groupv "
               "ISO_Next_Group^ Shift_L^";
    }
    void serverCapsLock() {
        QFETCH(QString, text);
        QFETCH(int, code);
        QFETCH(QString, expected);
        TKeyMap map = UsMap();
        if (code < 0) // grp:caps_toggle: the key switches layouts, with Shift it locks
            map.Set(66, {XKB_KEY_ISO_Next_Group, XKB_KEY_Caps_Lock});
        TRecordingSink sink(map);
        TKeystrokeTranslator translator(map, sink);
        translator.SetCapsLocked(true);
        if (code > 0)
            translator.PressKey(code);
        else
            translator.TypeText(text);
        QCOMPARE(sink.Strokes.join(QLatin1Char(' ')), expected);
    }

    // Two layouts, English and a QWERTZ one, as the core map lists them: the key of a letter
    // is looked up in the group in use. A key printed by the recorder under its first group's
    // name: with the second group, "y" is the key that types "z".
    void keyboardGroups_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first group") << 0 << "z"
                                     << "zv z^";
        QTest::newRow("second group") << 1 << "z"
                                      << "yv y^";
        QTest::newRow("second group, capital") << 1 << "Y"
                                               << "Shift_Lv zv z^ Shift_L^";
        QTest::newRow("a key with one group") << 1 << "d"
                                              << "dv d^";
        QTest::newRow("a group the map does not show") << 2 << "z"
                                                       << "255:=z zv z^";
    }
    void keyboardGroups() {
        QFETCH(int, group);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TKeyMap map = UsMap();
        map.Set(29, {XKB_KEY_y, XKB_KEY_Y, XKB_KEY_z, XKB_KEY_Z});
        map.Set(52, {XKB_KEY_z, XKB_KEY_Z, XKB_KEY_y, XKB_KEY_Y});
        TRecordingSink sink(map);
        TKeystrokeTranslator translator(map, sink);
        translator.SetGroup(group);
        translator.TypeText(text);
        QCOMPARE(sink.Strokes.join(QLatin1Char(' ')), expected);
    }

    // Borrowed codes are lent out one per character, reused for the same one, and all given back.
    void borrowedCodesGoBack() {
        TRecordingSink sink(UsMap());
        TKeystrokeTranslator translator(UsMap(), sink);
        translator.TypeText(QStringLiteral("řžř"));
        translator.Restore();
        QCOMPARE(sink.Strokes.join(QLatin1Char(' ')),
                 QStringLiteral("255:=rcaron rcaronv rcaron^ 254:=zcaron zcaronv zcaron^ rcaronv "
                                "rcaron^ 254:=NoSymbol 255:=NoSymbol"));
    }

    // The switch filter's code of each key of the map, which the grabs are chosen by.
    void keysOfSwitchCodes() {
        const TKeyMap map = UsMap();
        QCOMPARE(map.VirtualKey(kSpaceCode), int(VirtualKeys::VK_SPACE));
        QCOMPARE(map.VirtualKey(kReturnCode), int(VirtualKeys::VK_RETURN));
        QCOMPARE(map.VirtualKey(40), int('D'));
        QCOMPARE(map.VirtualKey(10), int('1'));
        QCOMPARE(map.VirtualKey(200), 0);
    }

    void theWindowTypesOutside() {
        TFormFixture f;
        Dirs().ConfigDir = f.Dir.filePath(QStringLiteral("config")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(Dirs().ConfigDir));
        TForm1 &form = f.Make();
        auto output = std::make_unique<TFakeOutput>();
        auto keys = std::make_unique<TFakeKeys>();
        TFakeOutput *out = output.get();
        TFakeKeys *taken = keys.get();
        form.SetOutsideTyping({std::move(output), std::move(keys)},
                              OutsideTyping::TUnavailable::None);
        QVERIFY(form.Menu.OutsideItem->isEnabled());
        TVxKey *letter = f.AddKey(QStringLiteral("á"));
        TVxKey *space = f.AddKey(QStringLiteral("Mezera"), TSpecialKey::Space);
        TVxKey *caps = f.AddKey(QStringLiteral("Caps"), TSpecialKey::Caps_Lock);
        QVERIFY(letter && space && caps);
        form.SetEditMode(false);

        form.Menu.OutsideItem->trigger();
        QVERIFY(form.TypesOutside());
        QVERIFY(form.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!form.OutsideLabel->isHidden());
        QVERIFY(TypingFile::Read(Dirs().ConfigDir + QStringLiteral("Typing.ini")));
        // Work mode: the switch keys are taken from the display.
        QVERIFY(taken->Holding);
        QCOMPARE(taken->Taken, (QList<int>{13, 32}));

        TFormFixture::Click(letter);
        TFormFixture::Click(space);
        TFormFixture::Click(caps);
        TFormFixture::Click(letter);
        // Caps Lock stays the keyboard's own: the capital is sent as such.
        QCOMPARE(out->Sent,
                 (QStringList{QStringLiteral("á"), QStringLiteral("32"), QStringLiteral("Á")}));
        QCOMPARE(form.Display->toPlainText(), QStringLiteral("á Á"));

        // A switch pressed in another application reaches the filter and goes no further.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, 65, 0, 0);
        QVERIFY(taken->OnKey(press));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, 65, 0, 0);
        QVERIFY(taken->OnKey(release));

        // Edit mode gives the keys back; so does the mode going off, which returns everything.
        form.SetEditMode(true);
        QVERIFY(!taken->Holding);
        form.SetEditMode(false);
        QVERIFY(taken->Holding);
        form.Menu.OutsideItem->trigger();
        QVERIFY(!form.TypesOutside());
        QVERIFY(!taken->Holding);
        QCOMPARE(out->Restored, 1);
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        QVERIFY(form.OutsideLabel->isHidden());
        QVERIFY(!TypingFile::Read(Dirs().ConfigDir + QStringLiteral("Typing.ini")));
        const qsizetype sent = out->Sent.size();
        TFormFixture::Click(letter);
        QCOMPARE(out->Sent.size(), sent);
        f.Form.reset();
        Dirs().ConfigDir.clear();
    }

    // Where the window system does not allow it, the item says why and the mode stays off, also
    // when its file says on.
    void theWindowSystemIsAskedOnceTheWindowIsShown() {
        TFormFixture f;
        TForm1 form({}, &f.Speech);
        QVERIFY(!form.Menu.OutsideItem->isEnabled());
        // Until then the item's tip is its text.
        const QString tip = form.Menu.OutsideItem->toolTip();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The test platform has no X server, which the tip then says.
        QTRY_VERIFY(form.Menu.OutsideItem->toolTip() != tip);
        QVERIFY(!form.Menu.OutsideItem->isEnabled());
    }

    void unavailableLeavesEverything() {
        TFormFixture f;
        TForm1 &form = f.Make();
        form.SetOutsideTyping({}, OutsideTyping::TUnavailable::Wayland);
        QVERIFY(!form.Menu.OutsideItem->isEnabled());
        QVERIFY(form.Menu.OutsideItem->toolTip().contains(QStringLiteral("Wayland")));
        form.SetTypesOutside(true);
        QVERIFY(!form.TypesOutside());
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    }

    void typingFileRoundTrip() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Typing.ini"));
        QVERIFY(!TypingFile::Read(name));
        // The configuration folder need not exist yet.
        const QString deeper = dir.filePath(QStringLiteral("Orvanta/Typing.ini"));
        QVERIFY(TypingFile::Write(deeper, true));
        QVERIFY(TypingFile::Read(deeper));
        QVERIFY(TypingFile::Write(name, true));
        QVERIFY(TypingFile::Read(name));
        QVERIFY(TypingFile::Write(name, false));
        QVERIFY(!TypingFile::Read(name));
        // A folder in its place and a bloated file count as off.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(!TypingFile::Read(dir.filePath(QStringLiteral("folder"))));
        QFile big(name);
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write("[Typing]\nOtherApplications=true\n");
        big.write(QByteArray(8192, '#'));
        big.close();
        QVERIFY(!TypingFile::Read(name));
    }
};

QTEST_MAIN(TestOtherApplications)
#include "tst_OtherApplications.moc"
