#!/usr/bin/env bash
# Writes the list of the program's functions that a start runs, for the linker to lay them side
# by side: started under callgrind on a fresh X server with a private sound server, the bundled
# letter keyboard open, a word typed and spoken, a few switch presses; then started again, with
# the text and the settings the first start left. What the two starts run until the window
# waits for input comes first, then what typing, speaking and quitting add: the system reads
# code in blocks of many pages, so the start then reads in only the first part. Code a session
# never runs stays on the disk.
#
#   bench/app/startup-order.sh BUILD_DIR [OUT]    (default OUT: src/app/startup-functions.txt)
#
# Needs valgrind, Xvfb, xdotool and pulseaudio. Run it again when the start changes much;
# names it no longer finds are passed over by the linker.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
out=${2:-$here/../../src/app/startup-functions.txt}
for tool in valgrind Xvfb xdotool pulseaudio pactl python3; do
  command -v $tool >/dev/null || { echo "startup-order.sh: $tool missing" >&2; exit 1; }
done

. "$here/private-session.sh"
mkdir -p "$tmp/work"
for n in $(seq 150 199); do [ -e /tmp/.X$n-lock ] || { export DISPLAY=:$n; break; }; done
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# One start under callgrind into $tmp/profile-NAME; with "type", a word is typed and spoken and
# a few switch presses follow.
profiled_start() { # name, type?
  (cd "$tmp/work" && exec valgrind --tool=callgrind --demangle=no \
    --callgrind-out-file="$tmp/profile-$1" "$build/orvanta" --lang cs "$build/Tables/index.kbt") \
    >/dev/null 2>&1 &
  local program=$! window=""
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --name '^Klávesnice pro alternativní komunikaci$' \
      2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "startup-order.sh: the window did not show" >&2; exit 1; }
  sleep 3
  # What ran until now, the start, in a file of its own ($tmp/profile-NAME.1).
  callgrind_control --dump=start "$program" >/dev/null 2>&1
  if [ "${2:-}" = type ]; then
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    xdotool mousemove $((X + 40)) $((Y + 30)) click 1
    xdotool type --delay 150 "dobryden"
    xdotool mousemove $((X + 32)) $((Y + HEIGHT - 40)) click 1
    sleep 6
    for _ in 1 2 3 4; do xdotool key space; sleep 1; done
  fi
  kill -TERM "$program"
  wait "$program" 2>/dev/null || true
}
# A first start, then a returning one: the text and the settings the first one left are read.
profiled_start first type
profiled_start again

# The functions of the program's own file that ran.
python3 - "$build/orvanta" "$tmp"/profile-* >"$out" <<'PY'
import re, sys
def functions(profile):
    ran = set()
    objects, names = {}, {}
    current_object = None
    for line in open(profile, errors="replace"):
        m = re.match(r"^(c?ob|c?fn)=\((\d+)\)(?: (.*))?$", line.rstrip("\n"))
        if not m:
            continue
        kind, number, name = m.groups()
        table = objects if kind.endswith("ob") else names
        if name:
            table[number] = name
        if kind == "ob":
            current_object = objects.get(number)
        elif kind == "fn" and current_object == sys.argv[1]:
            ran.add(names[number])
    # Recursion marks ("'2") and callgrind's own names are no symbols.
    return {n.split("'")[0] for n in ran if not n.startswith("0x") and " " not in n}
# The entry point and the C runtime's start-up code, which the profiles do not name, run at
# every start.
start, later = {"_start", "frame_dummy", "register_tm_clones"}, set()
for profile in sys.argv[2:]:
    (start if profile.endswith(".1") else later).update(functions(profile))
# Each part by name: which function sits where within it does not matter, and the list then
# changes little from run to run.
for name in sorted(start) + sorted(later - start):
    print(name)
PY
echo "startup-order.sh: $(wc -l <"$out") functions written to $out"
