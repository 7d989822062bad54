#pragma once

#include "Directories.h"
#include "MainForm.h"
#include "RecordingSpeech.h"
#include "ScriptedPrompts.h"
#include "TimeGrid.h"
#include "VxKey.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A main window for tests: scripted prompts, recorded speech, data folders in a temporary
// directory, and helpers to make keys.
class TFormFixture {
public:
    TScriptedPrompts Prompts;
    TRecordingSpeech Speech;
    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;

    TFormFixture() {
        QStandardPaths::setTestModeEnabled(true);
        SetPrompts(&Prompts);
        for (const char *sub : {"Tables", "Sounds", "Images"})
            QDir(Dir.path()).mkpath(QLatin1String(sub));
        Dirs() = DeriveDirectories(Dir.path(), Dir.filePath(QStringLiteral("orvanta")),
                                   [](const QString &) { return true; });
        AutoReadMode = 0;
    }
    ~TFormFixture() {
        Form.reset();
        SetPrompts(nullptr);
    }

    TForm1 &Make(const QStringList &arguments = {}) {
        Form = std::make_unique<TForm1>(arguments, &Speech);
        Form->show();
        if (!QTest::qWaitForWindowExposed(Form.get()))
            qWarning("window not exposed");
        return *Form;
    }

    // Adds a key through "&Přidat" in edit mode and gives it `text`.
    TVxKey *AddKey(const QString &text, TSpecialKey kind = TSpecialKey::None) {
        const bool wasEdit = Form->EditMode();
        Form->SetEditMode(true);
        const QList<TVxKey *> before = Form->Keys();
        Form->New2Click();
        TVxKey *key = nullptr;
        for (TVxKey *k : Form->Keys()) {
            if (!before.contains(k))
                key = k;
        }
        if (key) {
            key->SetText(text);
            key->SetSpecialKey(kind);
        }
        Form->SetEditMode(wasEdit);
        return key;
    }

    static void Click(QWidget *w, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(w, Qt::LeftButton, modifiers, w->rect().center());
    }

    QString TablePath(const QString &name) const { return Dirs().TablesDir + name; }
};
