#!/usr/bin/env python3
"""Plays a switch user with a shaky hand: the program takes a press only when it is held at least
ACCEPT seconds and ignores presses that begin within IGNORE seconds after a taken one came up
(both set in its switch access settings). Composes TEXT with one switch like switch_user.py's
user, but every press is held past the acceptance time, each is preceded by a press too short to
count, and each is followed at once by a bounce held long enough that only the ignore time keeps
it out.

    filtered_user.py WINDOW TEXT

prints what the display holds at the end.
"""
import sys
import time

import switch_user

ACCEPT, IGNORE, SWTIME = 0.3, 0.4, 0.5  # seconds, as the test configures them
TOO_SHORT = 0.08  # far below the acceptance time, whatever xdotool's start-up costs
BOUNCE_AFTER, BOUNCE_HELD = 0.05, 0.4
# A taken press: short and long as the program measures them past the acceptance time.
SHORT_HELD, LONG_HELD = ACCEPT + 0.2, ACCEPT + SWTIME + 0.4

last_taken = 0.0


def raw(key, held):
    switch_user.run("xdotool", "keydown", key)
    time.sleep(held)
    switch_user.run("xdotool", "keyup", key)


def shaky_press(key, held):
    """One intended press of switch 1, with the noise around it that must not count."""
    global last_taken
    # A real press waits out the ignore time of the one before, with room to spare.
    wait = last_taken + IGNORE + 0.2 - time.monotonic()
    if wait > 0:
        time.sleep(wait)
    raw(key, TOO_SHORT)
    time.sleep(0.1)
    raw(key, LONG_HELD if held >= SWTIME else SHORT_HELD)
    last_taken = time.monotonic()
    time.sleep(BOUNCE_AFTER)
    raw(key, BOUNCE_HELD)


def main():
    window, text = sys.argv[1], sys.argv[2]
    switch_user.press = shaky_press
    # A sweep change rests a whole step more, and a long press holds the cursor.
    switch_user.STEP_TIMEOUT = 6.0
    sys.argv = [sys.argv[0], window, "one", text]
    switch_user.main()


if __name__ == "__main__":
    main()
