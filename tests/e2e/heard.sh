#!/usr/bin/env bash
# The program heard through a real sound server: a private PulseAudio daemon with a null sink,
# whose monitor is recorded. The program starts before the daemon, with spoken prompts on; the
# talk key is heard once the daemon is up, every scan step is heard for more than 30 steps, the
# talk key is heard again after the daemon was killed and started anew, and the text is there
# again after the program is killed outright and started anew.
set -u
program=$(realpath "$1")
. "$(dirname "$0")/lib.sh"
command -v pulseaudio >/dev/null && command -v parec >/dev/null && command -v python3 >/dev/null &&
  command -v xclip >/dev/null || { echo "pulseaudio, parec, python3 or xclip missing"; exit 77; }
here=$(cd "$(dirname "$0")" && pwd)
export HOME=$E2E_TMP/home
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Orvanta"
printf '[Prompts]\nEnabled=true\n' >"$XDG_CONFIG_HOME/Orvanta/ScanAccess.ini"
cd "$E2E_TMP"

daemon=""
start_daemon() {
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
    -L module-native-protocol-unix -L "module-null-sink sink_name=out" >>pulse.log 2>&1 &
  daemon=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  fail "the sound server did not start"
}
recorder=""
record() { # file
  parec --latency-msec=30 -d out.monitor --format=s16le --channels=1 --rate=8000 >"$1" &
  recorder=$!
  sleep 0.3
}
stop_recording() { kill "$recorder" 2>/dev/null; wait "$recorder" 2>/dev/null; }
# Lengths of the sounds heard in a recording longer than $2 seconds.
long_sounds() { python3 "$here/bursts.py" "$1" | awk -v min="$2" '$2 >= min'; }

talk_key() { # the "Mluv" key: first column of the last row of the letter keyboard
  local x y w h
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  xdotool mousemove $((X + 32)) $((Y + HEIGHT - 40)) click 1
}
display_text() {
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y)=')"
  xdotool mousemove $((X + 40)) $((Y + 30)) click 1
  xdotool key ctrl+a ctrl+c
  sleep 0.3
  xclip -o -selection clipboard
}
start_program() {
  "$program" --lang cs index.kbt >>program.log 2>&1 &
  pid=$!
  window=$(wait_window '^Klávesnice pro alternativní komunikaci$') ||
    { cat program.log; fail "main window not shown"; }
  xdotool windowfocus --sync "$window"
}

# No spaces: Space is the switch.
text="dobrydenjaksematednesrano"
# No sound server yet: the program starts, and the user writes and talks into the void.
start_program
eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y)=')"
xdotool mousemove $((X + 40)) $((Y + 30)) click 1
xdotool type --delay 20 "$text"
talk_key
sleep 2

# The server comes: the next talk is heard, then a prompt at every step.
start_daemon
record first.raw
talk_key
sleep 36
stop_recording
long_sounds first.raw 1.2 | grep -q . || fail "the talk key was not heard once the server came"
python3 - first.raw <<PY || fail "the scan's prompts fell silent"
import subprocess, sys
out = subprocess.run(["python3", "$here/bursts.py", sys.argv[1]], capture_output=True, text=True).stdout
sounds = [tuple(map(float, line.split())) for line in out.splitlines()]
# After the talk, every step speaks: at least 30 sounds, never two seconds of silence between.
talk_end = next(s + l for s, l in sounds if l >= 1.2)
after = [(s, l) for s, l in sounds if s >= talk_end]
gaps = [b[0] - (a[0] + a[1]) for a, b in zip(after, after[1:])]
print(f"{len(after)} prompts, longest silence {max(gaps, default=99):.2f} s")
sys.exit(0 if len(after) >= 30 and max(gaps, default=99) < 2.0 else 1)
PY

# The server is killed and started anew: the talk key is heard again.
kill -9 "$daemon"; wait "$daemon" 2>/dev/null
stop_recording
sleep 1
start_daemon
record second.raw
sleep 1
talk_key
sleep 4
stop_recording
long_sounds second.raw 1.2 | grep -q . || fail "the talk key was not heard after the server came back"

# Killed outright, the program loses nothing of the text.
sleep 1
kill -9 "$pid"; wait "$pid" 2>/dev/null
start_program
got=$(display_text)
[ "$got" = "$text" ] || fail "after a kill the display holds '$got', wanted '$text'"
kill "$pid"; wait "$pid" 2>/dev/null
kill "$daemon"; wait "$daemon" 2>/dev/null
echo "PASS"
