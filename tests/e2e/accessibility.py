#!/usr/bin/env python3
"""Reads the running program the way a screen reader does, over AT-SPI.

    accessibility.py PID [DUMP_FILE]

Finds the program's application by its process, the main window by its title, the display by
its name, the keys of the bundled letter keyboard by name in the named key grid, and the key
under the scan cursor as the only focused key, which moves on with the scan while focus events
announce it. Then works the controls as a screen reader user would: presses a key through its
action and reads the display's text, presses the edit button, opens the grid settings through
the menu, finds every control there named, and closes it with its cancel button.

Exits non-zero with the reason on the first thing a screen reader would miss. DUMP_FILE gets a
short listing of the main window and the dialog.
"""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Some calls of the installed bindings are marked deprecated; their warnings would only clutter
# the reason of a failure.
warnings.filterwarnings("ignore", category=DeprecationWarning)

MAIN_TITLE = "Klávesnice pro alternativní komunikaci"
DISPLAY_NAME = "Psaný text"
GRID_NAME = "Klávesy"
FIRST_ROW = "aábcčdeéěf"
EDIT_BUTTON = "Nastavení F8"
GRID_ITEM = "Kurzor, mřížka..."
GRID_DIALOG = "Nastavení mřížky"
CANCEL = "Storno"
# Roles a screen reader announces by name; a bare "push button" tells the user nothing.
NAMED_ROLES = {Atspi.Role.PUSH_BUTTON, Atspi.Role.CHECK_BOX, Atspi.Role.RADIO_BUTTON,
               Atspi.Role.COMBO_BOX, Atspi.Role.SPIN_BUTTON, Atspi.Role.TEXT,
               Atspi.Role.ENTRY, Atspi.Role.SLIDER, Atspi.Role.LIST, Atspi.Role.TREE,
               Atspi.Role.TABLE, Atspi.Role.PAGE_TAB, Atspi.Role.DIALOG, Atspi.Role.FRAME}
# The machine may be busy with builds: everything is polled with generous limits.
TIMEOUT = 30.0


def fail(message):
    print(message)
    sys.exit(1)


def pump(seconds=0.0):
    """Runs the main loop that delivers AT-SPI events for `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls `probe` until it returns something true; fails naming `what` after `timeout`."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except GLib.Error:
            found = None  # an object went away while it was read
        if found:
            return found
        if time.monotonic() >= end:
            fail("not found in time: " + what)
        pump(0.2)


def children(node):
    try:
        count = node.get_child_count()
    except GLib.Error:
        return []
    result = []
    for i in range(count):
        try:
            child = node.get_child_at_index(i)
        except GLib.Error:
            continue
        if child is not None:
            result.append(child)
    return result


def descendants(node, depth=0):
    for child in children(node):
        yield child, depth + 1
        yield from descendants(child, depth + 1)


def find(node, role, name):
    for child, _ in descendants(node):
        if child.get_role() == role and child.get_name() == name:
            return child
    return None


def has_state(node, state):
    node.clear_cache()
    return node.get_state_set().contains(state)


def press(node):
    """Does the node's press action, as a screen reader's command would."""
    if "Action" not in node.get_interfaces():
        fail(f"{node.get_role_name()} '{node.get_name()}' has no actions")
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    for wanted in ("Press", "press", "click"):
        if wanted in names:
            Atspi.Action.do_action(node, names.index(wanted))
            return
    fail(f"{node.get_role_name()} '{node.get_name()}' cannot be pressed: {names}")


def text_of(node):
    if "Text" not in node.get_interfaces():
        return None
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def listing(node):
    lines = []
    for child, depth in [(node, 0)] + list(descendants(node)):
        states = [s for s, flag in (("focused", Atspi.StateType.FOCUSED),
                                    ("checked", Atspi.StateType.CHECKED),
                                    ("selected", Atspi.StateType.SELECTED))
                  if child.get_state_set().contains(flag)]
        line = "  " * depth + f"[{child.get_role_name()}] '{child.get_name()}'"
        if states:
            line += " (" + ", ".join(states) + ")"
        lines.append(line)
    return lines


def unnamed(node):
    """The shown controls under `node` that a screen reader would announce without a name."""
    missing = []
    for child, _ in [(node, 0)] + list(descendants(node)):
        if (child.get_role() in NAMED_ROLES and child.get_state_set().contains(
                Atspi.StateType.SHOWING) and not child.get_name().strip()):
            missing.append(child.get_role_name())
    return missing


def focused_keys(grid):
    keys = [k for k in children(grid) if k.get_role() == Atspi.Role.PUSH_BUTTON]
    return [k.get_name() for k in keys if has_state(k, Atspi.StateType.FOCUSED)]


def main():
    pid = int(sys.argv[1])
    dump = sys.argv[2] if len(sys.argv) > 2 else None
    desktop = Atspi.get_desktop(0)

    def application():
        for app in children(desktop):
            if app.get_process_id() == pid:
                return app
        return None

    app = wait_for("the program's application on the accessibility bus", application)
    window = wait_for(f"main window '{MAIN_TITLE}'", lambda: find(app, Atspi.Role.FRAME,
                                                                   MAIN_TITLE))
    display = wait_for(f"display '{DISPLAY_NAME}'",
                       lambda: find(window, Atspi.Role.TEXT, DISPLAY_NAME) or
                       find(window, Atspi.Role.ENTRY, DISPLAY_NAME))
    grid = wait_for(f"key grid '{GRID_NAME}'", lambda: next(
        (node for node, _ in descendants(window) if node.get_name() == GRID_NAME), None))
    names = wait_for("the letter keyboard's keys", lambda: {
        k.get_name() for k in children(grid) if k.get_role() == Atspi.Role.PUSH_BUTTON} >=
        set(FIRST_ROW) and {k.get_name() for k in children(grid)})
    if "" in names:
        fail("a key has no name")

    # Screen readers learn of the moving cursor through focus events.
    announced = []

    def on_event(event):
        try:
            if event.source.get_process_id() == pid and event.detail1 == 1:
                announced.append(event.source.get_name())
        except GLib.Error:
            pass

    listener = Atspi.EventListener.new(on_event)
    listener.register("object:state-changed:focused")

    # The scan steps every second or so: exactly one key is focused and the focus moves on.
    first = wait_for("exactly one focused key", lambda: (lambda f: len(f) == 1 and f)(
        focused_keys(grid)))
    moved = wait_for(f"the focus moving on from key '{first[0]}'", lambda: (
        lambda f: len(f) == 1 and f != first and f)(focused_keys(grid)))
    wait_for("a focus event for a key under the cursor",
             lambda: any(name in names for name in announced))
    listener.deregister("object:state-changed:focused")

    lines = [f"focused keys while scanning: {first[0]} -> {moved[0]}",
             f"focus events heard: {announced[:6]}"] + listing(window)

    # A key pressed through its action writes into the display, which reads it back.
    before = text_of(display)
    if before is None:
        fail("the display offers no text")
    key_a = next(k for k in children(grid) if k.get_name() == "a")
    press(key_a)
    wait_for(f"the display reading '{before}a' after pressing key 'a'",
             lambda: text_of(display) == before + "a")

    # Edit mode through the button, then the grid settings from the menu.
    edit = wait_for(f"button '{EDIT_BUTTON}'", lambda: find(window, Atspi.Role.PUSH_BUTTON,
                                                            EDIT_BUTTON))
    press(edit)
    item = wait_for(f"menu item '{GRID_ITEM}'", lambda: find(window, Atspi.Role.MENU_ITEM,
                                                             GRID_ITEM))
    press(item)
    dialog = wait_for(f"dialog '{GRID_DIALOG}'", lambda: next(
        (w for w in children(app) if w.get_name() == GRID_DIALOG and
         w.get_state_set().contains(Atspi.StateType.SHOWING)), None))
    missing = unnamed(dialog)
    if missing:
        fail(f"unnamed controls in '{GRID_DIALOG}': {missing}")
    lines += listing(dialog)
    if dump:
        with open(dump, "w", encoding="utf-8") as out:
            out.write("\n".join(lines) + "\n")
    press(wait_for(f"button '{CANCEL}'", lambda: find(dialog, Atspi.Role.PUSH_BUTTON, CANCEL)))
    wait_for(f"dialog '{GRID_DIALOG}' closed", lambda: not any(
        w.get_name() == GRID_DIALOG and w.get_state_set().contains(Atspi.StateType.SHOWING)
        for w in children(app)))
    print("ok")


if __name__ == "__main__":
    main()
