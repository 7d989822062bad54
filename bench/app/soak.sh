#!/usr/bin/env bash
# A soak of the real program under Xvfb: scanning at 50 ms steps, random switch presses (short
# and long, switch 1 = Space and switch 2 = Enter), mouse activations of random keys across the
# bundled tables (the link keys among them open the other tables), and edit-mode round trips
# (F8, a pause, F8). Resident memory is sampled every 10 s. It fails when the program dies or
# when memory grows by more than BOUND_MB over its level at the end of the first minute.
#
#   bench/app/soak.sh BUILD_DIR [MINUTES] [BOUND_MB]     (defaults: 30 minutes, 8 MB)
#   SOAK_DISPLAY=:93 bench/app/soak.sh ...                uses that X display number
#
# The scan step comes from the configuration file the script writes (with orvanta-cfg) beside a
# private copy of the program; no user configuration is read (XDG_CONFIG_HOME points elsewhere).
# Modal windows that random activations open (printing, confirmations) are closed with Escape.
set -euo pipefail
build=$(cd "$1" && pwd)
minutes=${2:-30}
bound=${3:-8}
command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
  { echo "soak.sh: Xvfb or xdotool missing, skipped"; exit 0; }

tmp=$(mktemp -d)
export XDG_RUNTIME_DIR=$tmp/runtime XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
display=${SOAK_DISPLAY:-}
if [ -z "$display" ]; then
  for n in $(seq 150 199); do [ -e /tmp/.X$n-lock ] || { display=:$n; break; }; done
fi
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=$display
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# A private copy: the configuration file lives beside the program.
mkdir "$tmp/prog"
cp "$build/orvanta" "$build"/orvanta-*.so "$tmp/prog/"
cp -r "$build/Tables" "$build/Sounds" "$tmp/prog/"
[ -d "$build/Help" ] && cp -r "$build/Help" "$tmp/prog/"
"$build/tools/orvanta-cfg" default "$tmp/prog/Orvanta.cfg" --table index.kbt --interval 50

cd "$tmp/prog"
./orvanta index.kbt >"$tmp/program.log" 2>&1 &
pid=$!
status=0
python3 - "$pid" "$minutes" "$bound" <<'EOF' || status=$?
import os, random, subprocess, sys, time

pid, minutes, bound = int(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3])
TITLE = "^Klávesnice pro alternativní komunikaci$"
random.seed(20)

def x(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout

def alive():
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().split()[2] != "Z"
    except OSError:
        return False

def rss_mb():
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS"):
                return int(line.split()[1]) / 1024
    return 0.0

main = ""
for _ in range(100):
    main = x("search", "--onlyvisible", "--name", TITLE).split()
    if main:
        main = main[0]
        break
    time.sleep(0.1)
if not main:
    sys.exit("soak: the main window did not appear")

def close_dialogs():
    for w in x("search", "--onlyvisible", "--pid", str(pid), "--name", ".").split():
        if w != main:
            x("key", "--window", w, "Escape")

def geometry():
    shell = dict(l.split("=") for l in x("getwindowgeometry", "--shell", main).split())
    return int(shell["X"]), int(shell["Y"]), int(shell["WIDTH"]), int(shell["HEIGHT"])

def press(key, hold):
    x("keydown", key)
    time.sleep(hold)
    x("keyup", key)

start = time.monotonic()
end = start + minutes * 60
samples, baseline, next_sample = [], None, start
counts = {"switch": 0, "click": 0, "edit": 0}
while time.monotonic() < end:
    if not alive():
        print(f"soak: FAIL: the program died after {time.monotonic() - start:.0f} s")
        sys.exit(1)
    now = time.monotonic()
    if now >= next_sample:
        t, m = now - start, rss_mb()
        samples.append((t, m))
        print(f"{t:7.0f} s  {m:7.1f} MB", flush=True)
        if baseline is None and t >= 60:
            baseline = m
        if baseline is not None and m > baseline + bound:
            print(f"soak: FAIL: resident memory grew from {baseline:.1f} to {m:.1f} MB")
            sys.exit(1)
        next_sample += 10
    close_dialogs()
    x("windowactivate", "--sync", main)
    roll = random.random()
    if roll < 0.6:
        press(random.choice(["space", "Return"]), random.choice([0.03, 0.08, 0.6, 0.9]))
        counts["switch"] += 1
    elif roll < 0.95:
        wx, wy, ww, wh = geometry()
        # The key panel fills the lower part of the window.
        x("mousemove", str(wx + random.randint(10, ww - 10)),
          str(wy + wh // 3 + random.randint(0, wh - wh // 3 - 10)), "click", "1")
        counts["click"] += 1
    else:
        x("key", "F8")
        time.sleep(0.3)
        close_dialogs()
        x("key", "F8")
        counts["edit"] += 1
    time.sleep(random.uniform(0.02, 0.15))

grown = samples[-1][1] - (baseline if baseline is not None else samples[0][1])
print(f"soak: PASS: {minutes:g} min, {counts['switch']} switch presses, {counts['click']} key "
      f"clicks, {counts['edit']} edit-mode round trips; memory {samples[0][1]:.1f} MB at start, "
      f"{baseline if baseline is not None else float('nan'):.1f} MB after a minute, "
      f"{samples[-1][1]:.1f} MB at the end ({grown:+.1f} MB)")
EOF
alive=0
kill -0 "$pid" 2>/dev/null && alive=1
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ "$alive" = 1 ] || { echo "soak: program log:"; tail -n 20 "$tmp/program.log"; }
exit $status
