// Typing into other applications on X11: keystrokes synthesized with XTest, characters the
// keyboard map lacks on borrowed key codes, the switch keys taken with passive grabs on the
// root window (the server drops them with the connection, so none outlives the program).
#include "OutsideTyping.h"

#include "KeystrokeTranslator.h"
#include "VirtualKeys.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xtest.h>
// The XKB header names a field "explicit".
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace {

Q_LOGGING_CATEGORY(lcTyping, "orvanta.typing")

template <typename T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t *Connection() {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t RootWindow(xcb_connection_t *connection) {
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    return screens.rem > 0 ? screens.data->root : XCB_NONE;
}

TKeyMap ReadKeyMap(xcb_connection_t *connection) {
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int first = setup->min_keycode;
    const int count = int(setup->max_keycode) - first + 1;
    if (count <= 0)
        return TKeyMap();
    TReply<xcb_get_keyboard_mapping_reply_t> reply(
        xcb_get_keyboard_mapping_reply(
            connection, xcb_get_keyboard_mapping(connection, xcb_keycode_t(first), quint8(count)),
            nullptr),
        &std::free);
    if (!reply)
        return TKeyMap();
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(reply.get());
    return TKeyMap::FromCore(first, reply->keysyms_per_keycode,
                             std::vector<uint32_t>(syms, syms + std::max(length, 0)));
}

// The steps as requests of our connection, in order: the server carries out each fake key
// event before the next request, so a borrowed code is mapped before it is pressed.
class TXTestSink final : public TKeystrokeSink {
public:
    explicit TXTestSink(xcb_connection_t *connection)
        : FConnection(connection) {}

    void Send(const TKeystroke &stroke) override {
        switch (stroke.Kind) {
        case TKeystroke::Down:
        case TKeystroke::Up:
            xcb_test_fake_input(FConnection,
                                stroke.Kind == TKeystroke::Down ? XCB_KEY_PRESS : XCB_KEY_RELEASE,
                                quint8(stroke.Keycode), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            break;
        case TKeystroke::Map: {
            // The keysym on both levels: Shift held by the user changes nothing.
            const xcb_keysym_t syms[2] = {stroke.Keysym, stroke.Keysym};
            xcb_change_keyboard_mapping(FConnection, 1, xcb_keycode_t(stroke.Keycode), 2, syms);
            break;
        }
        }
    }
    void Flush() override { xcb_flush(FConnection); }

private:
    xcb_connection_t *FConnection;
};

class TX11Output;

class TX11Keys final : public TGlobalKeys, public QAbstractNativeEventFilter {
public:
    TX11Keys(xcb_connection_t *connection, TX11Output &output);
    ~TX11Keys() override {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        Release();
    }

    void SetOnKey(TOnKey onKey) override { FOnKey = std::move(onKey); }
    bool Take(const QList<int> &virtualKeys) override;
    void Release() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

private:
    xcb_connection_t *FConnection;
    xcb_window_t FRoot;
    TX11Output &FOutput;
    TOnKey FOnKey;
    QList<int> FTaken;
    QList<int> FTakenCodes; // the virtual-key code of each taken key code
};

class TX11Output final : public TKeyOutput {
public:
    explicit TX11Output(xcb_connection_t *connection)
        : FConnection(connection)
        , FSink(connection)
        , FTranslator(ReadKeyMap(connection), FSink) {}
    ~TX11Output() override { Restore(); }

    void TypeText(const QString &text) override {
        Refresh();
        FTranslator.TypeText(text);
    }
    void PressKey(int virtualKey, bool withShift) override {
        Refresh();
        FTranslator.PressKey(virtualKey, withShift);
    }
    void Restore() override { FTranslator.Restore(); }

    void SetReserved(const QList<int> &keycodes) { FTranslator.SetReserved(keycodes); }
    TKeyMap Map() {
        Refresh();
        return FMap;
    }

private:
    // The map is read afresh for every key: the user may switch layouts at any time, and
    // one short round trip is nothing beside a switch press.
    void Refresh() {
        FMap = ReadKeyMap(FConnection);
        FTranslator.SetMap(FMap);
        FTranslator.SetCapsLocked(CapsLocked());
    }
    // The core keyboard's Caps Lock, as the user left it with the physical key.
    bool CapsLocked() const {
        TReply<xcb_xkb_get_state_reply_t> state(
            xcb_xkb_get_state_reply(
                FConnection, xcb_xkb_get_state(FConnection, XCB_XKB_ID_USE_CORE_KBD), nullptr),
            &std::free);
        return state && (state->lockedMods & XCB_MOD_MASK_LOCK);
    }

    xcb_connection_t *FConnection;
    TXTestSink FSink;
    TKeystrokeTranslator FTranslator;
    TKeyMap FMap;
};

TX11Keys::TX11Keys(xcb_connection_t *connection, TX11Output &output)
    : FConnection(connection)
    , FRoot(RootWindow(connection))
    , FOutput(output) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool TX11Keys::Take(const QList<int> &virtualKeys) {
    Release();
    if (FRoot == XCB_NONE)
        return false;
    const TKeyMap map = FOutput.Map();
    bool all = true;
    for (int code = TKeyMap::MinCode; code <= TKeyMap::MaxCode; ++code) {
        const int vk = map.VirtualKey(code);
        if (!vk || !virtualKeys.contains(vk))
            continue;
        // Whatever modifiers are down: a switch is a switch with Num Lock on too.
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(FConnection, 0, FRoot, XCB_MOD_MASK_ANY, xcb_keycode_t(code),
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t *error = xcb_request_check(FConnection, cookie)) {
            qCWarning(lcTyping, "key code %d is held by another application", code);
            std::free(error);
            all = false;
            continue;
        }
        FTaken.append(code);
        FTakenCodes.append(vk);
    }
    FOutput.SetReserved(FTaken);
    xcb_flush(FConnection);
    return all;
}

void TX11Keys::Release() {
    for (const int code : std::as_const(FTaken))
        xcb_ungrab_key(FConnection, xcb_keycode_t(code), FRoot, XCB_MOD_MASK_ANY);
    FTaken.clear();
    FTakenCodes.clear();
    FOutput.SetReserved({});
    xcb_flush(FConnection);
}

bool TX11Keys::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto *key = static_cast<const xcb_key_press_event_t *>(message);
    // Only what our grabs bring: events for our own windows go the usual way. Sent events
    // (another client's XSendEvent) are nobody's switch.
    if (key->event != FRoot || (event->response_type & 0x80))
        return false;
    const qsizetype index = FTaken.indexOf(int(key->detail));
    if (index < 0)
        return false;
    const int vk = FTakenCodes[index];
    const bool keypad = vk >= VirtualKeys::VK_NUMPAD0 && vk <= VirtualKeys::VK_DIVIDE;
    QKeyEvent keyEvent(type == XCB_KEY_PRESS ? QEvent::KeyPress : QEvent::KeyRelease,
                       VirtualKeys::ToQtKey(vk), keypad ? Qt::KeypadModifier : Qt::NoModifier,
                       quint32(key->detail), 0, key->state);
    keyEvent.setTimestamp(key->time);
    if (FOnKey)
        FOnKey(keyEvent);
    // Taken from every other application, the key is never anyone else's meanwhile.
    return true;
}

bool HasXTest(xcb_connection_t *connection) {
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_test_id);
    if (!extension || !extension->present)
        return false;
    TReply<xcb_test_get_version_reply_t> reply(
        xcb_test_get_version_reply(connection, xcb_test_get_version(connection, 2, 2), nullptr),
        &std::free);
    return reply != nullptr;
}

bool WaylandSession() {
    return QGuiApplication::platformName() == QLatin1String("wayland") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

OutsideTyping::TUnavailable OutsideTyping::Unavailable() {
    // Under a Wayland compositor an X server (Xwayland) reaches only its own clients, so the
    // mode would type into some windows and not others.
    if (WaylandSession())
        return TUnavailable::Wayland;
    xcb_connection_t *connection = Connection();
    if (!connection)
        return TUnavailable::NoX11;
    static const bool xtest = HasXTest(connection);
    return xtest ? TUnavailable::None : TUnavailable::NoXTest;
}

OutsideTyping::TParts OutsideTyping::Make() {
    if (Unavailable() != TUnavailable::None)
        return {};
    xcb_connection_t *connection = Connection();
    auto output = std::make_unique<TX11Output>(connection);
    auto keys = std::make_unique<TX11Keys>(connection, *output);
    return {std::move(output), std::move(keys)};
}
