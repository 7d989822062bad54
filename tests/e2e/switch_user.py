#!/usr/bin/env python3
"""Plays a switch user on the running program: composes text on the 10 x 6 letter keyboard by
pressing Space (switch 1) and Enter (switch 2) with xdotool while the scan runs at its own pace.
With "stop" the user types on a Czech keyboard layout, chooses the scanning preset "X kursor (se
zastavováním)", a shorter scan step and the key that types "ě" as the only switch in the grid
settings, then composes with that key.

The cursor moves only on the scan timer's steps. Each step repaints the key panel, so the
panel's pixels are watched to count the steps; a switch goes down a little after the step that
brought the cursor to its place, well before the next one.

    switch_user.py WINDOW one|two|stop TEXT
    switch_user.py WINDOW outside TEXT

prints what the display holds at the end. With "outside" the program types into another
application, which has the focus; the user has two switches, and nothing is printed.
"""
import ctypes
import hashlib
import subprocess
import sys
import time

# The letter keyboard: the key of each character, (column, row).
ROWS = ["aábcčdeéěf", "ghiíjklmno", "pqrřsštuúů", "vwxyýzž.,?"]
KEYS = {ch: (c, r) for r, row in enumerate(ROWS) for c, ch in enumerate(row)}
SHIFT = "shift"
KEYS.update({" ": (0, 4), SHIFT: (3, 4)})  # "Mezera" and "Shift"
COLS, ROW_COUNT = 10, 6
SHORT, LONG = 0.12, 0.9  # seconds; the long-press time is 0.5 s
STEP_TIMEOUT = 4.0

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int)]


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def window_geometry(window):
    """x, y, width, height of the window on the screen."""
    shell = dict(line.split("=") for line in
                 run("xdotool", "getwindowgeometry", "--shell", window).split())
    return int(shell["X"]), int(shell["Y"]), int(shell["WIDTH"]), int(shell["HEIGHT"])


class Panel:
    """The key panel's pixels (the window below the display and the control strip)."""

    def __init__(self, window):
        x, y, w, h = window_geometry(window)
        self.area = (x, y + h // 3, w, h - h // 3)
        self.display = x11.XOpenDisplay(None)
        self.root = x11.XDefaultRootWindow(self.display)

    def digest(self):
        x, y, w, h = self.area
        image = x11.XGetImage(self.display, self.root, x, y, w, h, 0xFFFFFFFF, 2)
        if not image:
            sys.exit("cannot read the screen")
        info = XImage.from_address(image)
        data = ctypes.string_at(info.data, info.bytes_per_line * info.height)
        x11.XDestroyImage(image)
        return hashlib.blake2b(data, digest_size=16).digest()

    def settle(self):
        time.sleep(0.25)
        self.last = self.digest()

    def wait_steps(self, count):
        """Waits until the cursor has moved `count` times."""
        for _ in range(count):
            deadline = time.monotonic() + STEP_TIMEOUT
            while self.digest() == self.last:
                if time.monotonic() > deadline:
                    sys.exit("the scan stopped moving")
                time.sleep(0.015)
            # One step may reach the screen in more than one frame.
            time.sleep(0.12)
            self.last = self.digest()
        if count:
            time.sleep(0.2)


def press(key, held):
    run("xdotool", "keydown", key)
    time.sleep(held)
    run("xdotool", "keyup", key)


class User:
    def __init__(self, panel, switches):
        self.panel = panel
        self.two = switches == "two"
        self.col, self.row = 0, 0
        self.cells = True  # the cell sweep runs; otherwise the row sweep

    def toggle(self):
        """Changes sweeps without choosing: switch 2, or a long press of the only switch."""
        if self.two:
            press("Return", SHORT)
        else:
            press("space", LONG)
        self.cells = not self.cells
        self.panel.settle()

    def choose(self, ch):
        if ch != SHIFT and ch.isupper():
            self.choose(SHIFT)
            ch = ch.lower()
        col, row = KEYS[ch]
        if self.cells and self.row != row:
            self.toggle()
        if not self.cells:
            self.panel.wait_steps((row - self.row) % ROW_COUNT)
            self.row = row
            # In the row sweep a short press of switch 1 starts the cells of that row; with two
            # switches, switch 2 does the same.
            if self.two:
                press("Return", SHORT)
            else:
                press("space", SHORT)
            self.cells = True
            self.panel.settle()
        self.panel.wait_steps((col - self.col) % COLS)
        self.col = col
        press("space", SHORT)  # chooses the key; the row sweep follows
        self.cells = False
        self.panel.settle()


class StopUser:
    """The X cursor with stopping, one switch: a short press stops a sweep or starts the other
    one, a long press in a stop chooses the cell under the cross."""

    def __init__(self, panel, key):
        self.panel = panel
        self.key = key
        self.col, self.row = 0, 0
        self.phase = "cells"  # cells, cell stop, rows, row stop

    def restart(self):
        """Starts the other sweep. No step is seen before the switch is up, so the count starts
        at once: a step during a settling pause would go uncounted."""
        press(self.key, SHORT)
        self.panel.last = self.panel.digest()
        self.phase = "rows" if self.phase == "cell stop" else "cells"

    def sweep_to(self, target):
        if self.phase == "cells":
            steps = (target - self.col) % COLS
            self.col = target
        else:
            steps = (target - self.row) % ROW_COUNT
            self.row = target
        # Stopping right after a start could race a step: go round once instead.
        self.panel.wait_steps(steps or (COLS if self.phase == "cells" else ROW_COUNT))
        press(self.key, SHORT)
        self.phase = "cell stop" if self.phase == "cells" else "row stop"
        self.panel.settle()

    def choose(self, ch):
        col, row = KEYS[ch]
        while (self.col, self.row) != (col, row) or self.phase not in ("cell stop", "row stop"):
            if self.phase in ("cell stop", "row stop"):
                self.restart()
            self.sweep_to(col if self.phase == "cells" else row)
        press(self.key, LONG)
        self.panel.settle()


def choose_stop_preset(window, interval, switch):
    """In edit mode: "&Nastavení", "&Kurzor, mřížka...", the fourth preset, the scan step,
    switch 1 typed as a character, OK."""
    run("xdotool", "key", "alt+n")
    time.sleep(0.3)
    run("xdotool", "key", "k")
    dialog = ""
    deadline = time.monotonic() + 5
    while not dialog:
        if time.monotonic() > deadline:
            sys.exit("the grid settings did not open")
        time.sleep(0.1)
        dialog = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                 "^Nastavení mřížky$"], capture_output=True, text=True).stdout
    dialog = dialog.split()[0]
    run("xdotool", "windowfocus", "--sync", dialog)
    run("xdotool", "key", "Home", "Down", "Down", "Down", "alt+i", "ctrl+a")
    run("xdotool", "type", str(interval))
    # On to switch 1 past the long press ("&1" would need Shift on this layout).
    run("xdotool", "key", "Tab", "Tab", "ctrl+a")
    run("xdotool", "type", switch)
    run("xdotool", "key", "Return")
    time.sleep(0.3)
    if subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Nastavení mřížky$"],
                      capture_output=True).returncode == 0:
        sys.exit("the grid settings did not close")
    run("xdotool", "windowfocus", "--sync", window)


def display_text(window):
    x, y, _, _ = window_geometry(window)
    run("xdotool", "mousemove", str(x + 40), str(y + 30), "click", "1")
    run("xdotool", "key", "ctrl+a", "ctrl+c")
    time.sleep(0.3)
    return run("xclip", "-o", "-selection", "clipboard")


def main():
    window, switches, text = sys.argv[1], sys.argv[2], sys.argv[3]
    if switches == "outside":
        # The keyboard types into the application that has the focus and never takes it: the
        # window is given the focus only for F8 twice, which starts the scan afresh.
        field = run("xdotool", "getwindowfocus").strip()
        run("xdotool", "windowfocus", "--sync", window)
        run("xdotool", "key", "F8")
        time.sleep(0.3)
        run("xdotool", "key", "F8")
        run("xdotool", "windowfocus", "--sync", field)
        panel = Panel(window)
        panel.settle()
        user = User(panel, "two")
        for ch in text:
            user.choose(ch)
        return
    run("xdotool", "windowfocus", "--sync", window)
    # Into edit mode and back: the scan starts afresh, in the cell sweep on the first key.
    run("xdotool", "key", "F8")
    time.sleep(0.3)
    if switches == "stop":
        run("setxkbmap", "-layout", "cz")
        choose_stop_preset(window, 1000, "ě")
    run("xdotool", "key", "F8")
    panel = Panel(window)
    panel.settle()
    user = StopUser(panel, "ecaron") if switches == "stop" else User(panel, switches)
    for ch in text:
        user.choose(ch)
    print(display_text(window))


if __name__ == "__main__":
    main()
