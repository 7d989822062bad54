#!/usr/bin/env bash
# Start-up and memory of the real program beside a bare Qt window of the same size, each run on
# a fresh X server: the time from exec to the first mapped window, resident memory and private
# dirty memory after start (and, for the program, after the first spoken word), and the shared
# libraries mapped; medians of RUNS runs and their ratios to the bare window. Then the time from
# a switch release (a synthesized key-up) to the first audible sample of the key it reaches,
# spoken as a prompt, at a private PulseAudio null sink's monitor: median of 20.
#
#   bench/app/startup.sh BUILD_DIR [RUNS]      (default 5 runs; the libraries are listed into
#                                               BUILD_DIR/startup-libs-{program,bare}.txt)
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-5}
for tool in Xvfb xdotool pulseaudio pactl parec python3; do
  command -v $tool >/dev/null || { echo "startup.sh: $tool missing, skipped"; exit 0; }
done
watch=$build/bench/app/startup_mapwatch
bare=$build/bench/app/startup_bare_window

# The private sound server, as a user's desktop has one, and folders of its own.
. "$(dirname "$0")/private-session.sh"
xvfb=""

start_x() {
  local n
  for n in $(seq 150 199); do [ -e /tmp/.X$n-lock ] || { DISPLAY=:$n; break; }; done
  export DISPLAY
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "startup.sh: Xvfb did not start" >&2
  exit 1
}
stop_x() { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; }

kib() { awk -v k="$2" '$1 == k":" {print $2}' /proc/"$1"/smaps_rollup; }
libraries() { awk '$6 ~ /\.so/ {print $6}' /proc/"$1"/maps | sort -u; }
main_window() {
  xdotool search --onlyvisible --pid "$1" --name '^Klávesnice pro alternativní komunikaci$' \
    2>/dev/null | head -n 1 || true
}

# One start of a command on a fresh server: "ms rss_kib dirty_kib libs [rss2 dirty2]".
# With "speak", a word is then typed into the text and spoken by the talk key.
one_run() { # label, speak?, command...
  local label=$1 speak=$2; shift 2
  start_x
  local ms pid
  # Into a file: the program keeps the watcher's output open.
  (cd "$tmp/work" && exec "$watch" "$@") >"$tmp/watch.txt" 2>/dev/null
  read -r ms pid <"$tmp/watch.txt"
  sleep 2
  local rss dirty libs
  rss=$(kib "$pid" Rss); dirty=$(kib "$pid" Private_Dirty)
  libraries "$pid" >"$tmp/libs-$label.txt"
  libs=$(wc -l <"$tmp/libs-$label.txt")
  local extra=""
  if [ "$speak" = speak ]; then
    local window X Y WIDTH HEIGHT
    window=$(main_window "$pid")
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$WIDTH $HEIGHT" >"$tmp/size"
    xdotool mousemove $((X + 40)) $((Y + 30)) click 1
    xdotool type --delay 20 "dobryden"
    xdotool mousemove $((X + 32)) $((Y + HEIGHT - 40)) click 1
    sleep 3
    extra="$(kib "$pid" Rss) $(kib "$pid" Private_Dirty)"
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
  stop_x
  echo "$ms $rss $dirty $libs $extra"
}

mkdir -p "$tmp/work"
# The bundled letter keyboard, as a first start opens it; the bare window takes its size.
: >"$tmp/program.txt"; : >"$tmp/bare.txt"
# Taken in turns, so that a load on the machine meets both alike.
one_run program speak "$build/orvanta" --lang cs "$build/Tables/index.kbt" >>"$tmp/program.txt"
read -r width height <"$tmp/size"
for n in $(seq "$runs"); do
  one_run bare no "$bare" "$width" "$height" >>"$tmp/bare.txt"
  if [ "$n" -lt "$runs" ]; then
    one_run program speak "$build/orvanta" --lang cs "$build/Tables/index.kbt" >>"$tmp/program.txt"
  fi
done
cp "$tmp/libs-program.txt" "$build/startup-libs-program.txt"
cp "$tmp/libs-bare.txt" "$build/startup-libs-bare.txt"

python3 - "$tmp/program.txt" "$tmp/bare.txt" "$width" "$height" <<'PY'
import statistics, sys
def rows(path):
    return [list(map(float, line.split())) for line in open(path) if line.strip()]
prog, bare = rows(sys.argv[1]), rows(sys.argv[2])
med = lambda rs, i: statistics.median(r[i] for r in rs)
print(f"window {sys.argv[3]} x {sys.argv[4]}, {len(prog)} runs each, medians")
pm, bm = med(prog, 0), med(bare, 0)
print(f"start-up to mapped window: program {pm:.1f} ms (runs {', '.join(f'{r[0]:.0f}' for r in prog)}),"
      f" bare {bm:.1f} ms (runs {', '.join(f'{r[0]:.0f}' for r in bare)}): {pm / bm:.2f}x")
for i, what in ((1, "RSS"), (2, "private dirty")):
    p, b = med(prog, i) / 1024, med(bare, i) / 1024
    print(f"{what} after start: program {p:.1f} MiB, bare {b:.1f} MiB: +{p - b:.1f} MiB, {p / b:.2f}x")
for i, what in ((4, "RSS"), (5, "private dirty")):
    p, b = med(prog, i) / 1024, med(bare, i - 3) / 1024
    print(f"{what} after the first spoken word: program {p:.1f} MiB: +{p - b:.1f} MiB, {p / b:.2f}x")
p, b = med(prog, 3), med(bare, 3)
print(f"mapped shared libraries after start: program {p:.0f}, bare {b:.0f}: {p / b:.2f}x")
PY

# A switch release to the first audible sample. The free layout: the letter keyboard's keys with
# positions of their own, where switch 1 (Space) steps to the next key and the key reached is
# said as a prompt.
QT_QPA_PLATFORM=offscreen "$build/tools/orvanta-kbt" dump "$build/Tables/index.kbt" |
  python3 "$(dirname "$0")/free_layout.py" >"$tmp/free.json"
QT_QPA_PLATFORM=offscreen "$build/tools/orvanta-kbt" build "$tmp/free.json" -o "$tmp/work/free.kbt" >/dev/null
# A configuration of its own: that of a first start, with spoken prompts.
export XDG_CONFIG_HOME=$tmp/config-prompts
mkdir -p "$XDG_CONFIG_HOME/Orvanta"
printf '[Prompts]\nEnabled=true\n' >"$XDG_CONFIG_HOME/Orvanta/ScanAccess.ini"
start_x
(cd "$tmp/work" && exec "$build/orvanta" --lang cs "$tmp/work/free.kbt") >/dev/null 2>&1 &
pid=$!
window=""
for _ in $(seq 100); do window=$(main_window $pid); [ -n "$window" ] && break; sleep 0.1; done
xdotool windowfocus --sync "$window"
sleep 2
sink_latency=$(pactl list sinks | awk '/Latency:/ {print $2 / 1000; exit}')
python3 - <<'PY'
import array, os, statistics, subprocess, threading, time
RATE, CHUNK = 8000, 80  # 10 ms reads
rec = subprocess.Popen(["parec", "--latency-msec=30", "-d", "out.monitor", "--format=s16le",
                        "--channels=1", f"--rate={RATE}"], stdout=subprocess.PIPE)
samples = array.array("h")
stamps = []  # (time the read returned, samples received until then)
def read():
    fd = rec.stdout.fileno()
    rest = b""
    while True:
        data = os.read(fd, CHUNK * 2)
        if not data:
            return
        now = time.monotonic()
        rest += data
        whole = len(rest) // 2 * 2
        samples.frombytes(rest[:whole])
        rest = rest[whole:]
        stamps.append((now, len(samples)))
threading.Thread(target=read, daemon=True).start()
# The monitor streams once the recording is connected.
for _ in range(100):
    if samples:
        break
    time.sleep(0.05)
time.sleep(0.5)
def first_sound_after(moment):  # when the first loud sample after `moment` reached the recorder
    done = 0
    for now, count in list(stamps):
        for i in range(done, count):
            t = now - (count - 1 - i) / RATE
            if t >= moment and abs(samples[i]) > 300:
                return t
        done = count
    return None
figures = []
for _ in range(20):
    subprocess.run(["xdotool", "keydown", "space"])
    time.sleep(0.05)
    subprocess.run(["xdotool", "keyup", "space"])
    released = time.monotonic()
    time.sleep(2.0)
    t = first_sound_after(released)
    if t is not None:
        figures.append((t - released) * 1000)
rec.kill()
if figures:
    print(f"switch release to first audible sample: median {statistics.median(figures):.1f} ms of "
          f"{len(figures)} (min {min(figures):.1f}, max {max(figures):.1f}), the recorder's "
          f"30 ms fragments included")
else:
    print(f"switch release to first audible sample: nothing heard ({len(samples)} samples recorded, "
          f"loudest {max(map(abs, samples), default=0)})")
PY
echo "sound server: PulseAudio null sink, latency ${sink_latency} ms as the server reports it"
kill $pid; wait $pid 2>/dev/null || true
