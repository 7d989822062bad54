#!/usr/bin/env python3
"""Reads a recording of the sound server's monitor (16-bit mono at 8 kHz, raw) and prints the
sounds heard in it, one line each: start and length in seconds.

    bursts.py FILE

A sound is a run of 50 ms windows louder than the noise floor, gaps under 150 ms included.
"""
import array
import sys

RATE = 8000
WINDOW = RATE // 20  # 50 ms
THRESHOLD = 200      # RMS of a window that holds sound; silence is 0 here
BRIDGE = 3           # windows of quiet inside one sound


def loud_windows(samples):
    for i in range(0, len(samples) - WINDOW + 1, WINDOW):
        part = samples[i:i + WINDOW]
        yield (sum(x * x for x in part) / WINDOW) ** 0.5 > THRESHOLD


def bursts(samples):
    found, start, quiet = [], None, 0
    for n, loud in enumerate(loud_windows(samples)):
        if loud:
            if start is None:
                start = n
            quiet = 0
        elif start is not None:
            quiet += 1
            if quiet > BRIDGE:
                found.append((start, n - quiet + 1))
                start, quiet = None, 0
    if start is not None:
        found.append((start, n + 1 - quiet))
    return [(s * 0.05, (e - s) * 0.05) for s, e in found]


def main():
    samples = array.array("h", open(sys.argv[1], "rb").read())
    for start, length in bursts(samples):
        print(f"{start:.2f} {length:.2f}")


if __name__ == "__main__":
    main()
