#include "AboutBox.h"
#include "AppStrings.h"
#include "ConfirmDlg.h"
#include "DirDialog.h"
#include "FormFixture.h"
#include "GridDlg.h"
#include "KeySettingDlg.h"
#include "SAPI5Dlg.h"
#include "ScanStrings.h"
#include "VoiceDlg.h"
#include "VoiceRig.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QTabWidget>
#include <QTextEdit>

namespace {

// Controls a screen reader announces by their name; without one the user hears a bare "button".
bool NeedsName(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Grouping:
    case QAccessible::Dialog:
    case QAccessible::Window:
        return true;
    default:
        return false;
    }
}

// Controls whose children are their items or their parts, named by their data. An editable
// combo box is looked into: its text field is announced on its own.
bool ItemsInside(QAccessible::Role role) {
    return role == QAccessible::SpinBox || role == QAccessible::List || role == QAccessible::Tree ||
           role == QAccessible::Table || role == QAccessible::EditableText ||
           role == QAccessible::Slider;
}

QString Describe(const QAccessibleInterface *iface) {
    const QObject *object = iface->object();
    const QString kind =
        object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?");
    return object && !object->objectName().isEmpty()
               ? kind + QLatin1Char(' ') + object->objectName()
               : kind;
}

// The shown controls under `iface` that need a name and have none.
void CollectUnnamed(QAccessibleInterface *iface, const QString &path, QStringList &unnamed) {
    if (!iface || iface->state().invisible)
        return;
    const QString here = path + QLatin1Char('/') + Describe(iface);
    if (NeedsName(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << here;
    if (ItemsInside(iface->role()))
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        CollectUnnamed(iface->child(i), here, unnamed);
}

// Every page of every tab widget in turn, so that hidden pages are looked at too.
QStringList UnnamedControls(QWidget *window) {
    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(window), QString(), unnamed);
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            CollectUnnamed(QAccessible::queryAccessibleInterface(window), QString(), unnamed);
        }
    }
    unnamed.removeDuplicates();
    return unnamed;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("window");
        for (const char *name :
             {"main window", "main window in edit mode", "grid settings", "key settings",
              "directories", "about", "question", "voice output", "voices"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void everyControlIsNamed() {
        QFETCH(QString, window);
        TFormFixture fixture;
        TForm1 &form = fixture.Make();
        fixture.AddKey(QStringLiteral("a"));
        fixture.AddKey(QString(), TSpecialKey::Enter);
        TVoiceRig rig(TVoiceRig::ThreeVoices());
        TDlgSAPI5 voices(*rig.Voice);
        TDlgVoice output(*rig.Voice, &voices);
        const QHash<QString, QWidget *> windows = {
            {QStringLiteral("main window"), &form},
            {QStringLiteral("main window in edit mode"), &form},
            {QStringLiteral("grid settings"), form.GridDialog()},
            {QStringLiteral("key settings"), form.KeySettingDlg()},
            {QStringLiteral("directories"), form.DirDialog()},
            {QStringLiteral("about"), form.AboutBox()},
            {QStringLiteral("question"), form.ConfirmDlg()},
            {QStringLiteral("voice output"), &output},
            {QStringLiteral("voices"), &voices},
        };
        QWidget *shown = windows.value(window);
        QVERIFY(shown);
        if (window.endsWith(QLatin1String("edit mode")))
            form.SetEditMode(true);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCOMPARE(UnnamedControls(shown), QStringList());
        shown->hide();
    }

    // What a screen reader reads of the working window: its title, the composed text, and the
    // keys by name in the named grid, the one under the scan cursor focused.
    void mainWindowReads() {
        TFormFixture fixture;
        TForm1 &form = fixture.Make();
        fixture.AddKey(QStringLiteral("a"));
        fixture.AddKey(QString(), TSpecialKey::Enter);
        form.Display->setPlainText(QStringLiteral("Dobrý den"));
        form.SetScanning(true);
        form.TimeGrid1->StartScan();

        QVERIFY(form.TimeGrid1->CursorControl());
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
        QVERIFY(!form.windowTitle().isEmpty());
        QCOMPARE(window->text(QAccessible::Name), form.windowTitle());
        QAccessibleInterface *display = QAccessible::queryAccessibleInterface(form.Display);
        QCOMPARE(display->text(QAccessible::Name), AppStrings::DisplayName);
        QVERIFY(display->textInterface());
        QCOMPARE(display->textInterface()->text(0, display->textInterface()->characterCount()),
                 QStringLiteral("Dobrý den"));

        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(form.TimeGrid1);
        QCOMPARE(grid->text(QAccessible::Name), ScanStrings::GridName);
        QStringList keys;
        QStringList focused;
        for (int i = 0; i < grid->childCount(); ++i) {
            QAccessibleInterface *key = grid->child(i);
            QCOMPARE(key->role(), QAccessible::Button);
            keys << key->text(QAccessible::Name);
            if (key->state().focused)
                focused << key->text(QAccessible::Name);
        }
        keys.sort();
        QCOMPARE(keys, (QStringList{QStringLiteral("Enter"), QStringLiteral("a")}));
        QCOMPARE(focused,
                 QStringList{QAccessible::queryAccessibleInterface(form.TimeGrid1->CursorControl())
                                 ->text(QAccessible::Name)});
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
