// Typing into other applications: the mode, its window, its keystrokes and its switch keys.
#include "MainForm.h"

#include "AppStrings.h"
#include "Directories.h"
#include "SwitchFilter.h"
#include "TypingFile.h"
#include "VirtualKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>

namespace {

QString UnavailableText(OutsideTyping::TUnavailable why) {
    switch (why) {
    case OutsideTyping::TUnavailable::None:
        return QString();
    case OutsideTyping::TUnavailable::Wayland:
        return AppStrings::OutsideWayland;
    case OutsideTyping::TUnavailable::NoX11:
        return AppStrings::OutsideNoX11;
    case OutsideTyping::TUnavailable::NoXTest:
        return AppStrings::OutsideNoXTest;
    }
    return QString();
}

} // namespace

void TForm1::SetOutsideTyping(OutsideTyping::TParts parts, OutsideTyping::TUnavailable why) {
    FOutsideTypingSet = true;
    SetTypesOutside(false);
    FDisplayKeys.reset();
    FKeyOutput = std::move(parts.Output);
    FDisplayKeys = std::move(parts.Keys);
    if (!FKeyOutput || !FDisplayKeys) {
        FDisplayKeys.reset();
        FKeyOutput.reset();
        if (why == OutsideTyping::TUnavailable::None)
            why = OutsideTyping::TUnavailable::NoX11;
    } else {
        why = OutsideTyping::TUnavailable::None;
        FDisplayKeys->SetOnKey([this](QKeyEvent &event) { return HookKey->TakeKeyEvent(event); });
    }
    FOutsideUnavailable = why;
    Menu.OutsideItem->setEnabled(why == OutsideTyping::TUnavailable::None);
    Menu.OutsideItem->setToolTip(why == OutsideTyping::TUnavailable::None ? QString()
                                                                          : UnavailableText(why));
}

void TForm1::LoadOutsideTyping() {
    HookKey->SetOnChange([this] { UpdateDisplayKeys(); });
    const bool wasOn = !Dirs().ConfigDir.isEmpty() &&
                       TypingFile::Read(Dirs().ConfigDir + AppStrings::TypingFileName);
    const auto connect = [this, wasOn] {
        const OutsideTyping::TUnavailable why = OutsideTyping::Unavailable();
        SetOutsideTyping(why == OutsideTyping::TUnavailable::None ? OutsideTyping::Make()
                                                                  : OutsideTyping::TParts(),
                         why);
        if (wasOn)
            SetTypesOutside(true);
    };
    // Asking the display server what it allows takes round trips. Unless the user types into
    // other applications, whose window must be set up for it before it is shown, that waits until
    // the window is on the screen; the menu item waits with it.
    if (wasOn) {
        connect();
    } else {
        Menu.OutsideItem->setEnabled(false);
        AfterFirstFrame([this, connect] {
            if (!FOutsideTypingSet)
                connect();
        });
    }
}

void TForm1::OutsideItemClick() {
    SetTypesOutside(Menu.OutsideItem->isChecked());
    // Kept at once: the choice outlives a crash too.
    if (!Dirs().ConfigDir.isEmpty() &&
        !TypingFile::Write(Dirs().ConfigDir + AppStrings::TypingFileName, FTypesOutside))
        WarnAtEnd(AppStrings::ConfigNotSaved);
}

void TForm1::SetTypesOutside(bool on) {
    // Where the window system does not allow it, nothing changes.
    if (on && !FKeyOutput)
        on = false;
    Menu.OutsideItem->setChecked(on);
    if (on == FTypesOutside)
        return;
    FTypesOutside = on;
    OutsideLabel->setVisible(on);
    if (!on && FKeyOutput)
        FKeyOutput->Restore();
    // A click on a key leaves the focus in the other application, and the keyboard stays in
    // sight above it. Changing the flags of a shown window hides it: it is shown again.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, on);
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    setAttribute(Qt::WA_ShowWithoutActivating, on);
    if (shown)
        show();
    UpdateDisplayKeys();
}

void TForm1::UpdateDisplayKeys() {
    if (!FDisplayKeys)
        return;
    if (!FTypesOutside || !HookKey->KeyHook()) {
        FDisplayKeys->Release();
        return;
    }
    QList<int> codes;
    for (int code = 1; code < TWatchedKeys::KeyCount; ++code) {
        if (HookKey->WatchedKeys().Contains(code))
            codes.append(code);
    }
    FDisplayKeys->Take(codes);
}

void TForm1::TypeOutside(qsizetype removed, const QString &text) {
    if (!FTypesOutside || !FKeyOutput)
        return;
    for (qsizetype i = 0; i < removed; ++i)
        FKeyOutput->PressKey(VirtualKeys::VK_BACK);
    if (!text.isEmpty())
        FKeyOutput->TypeText(text);
}
