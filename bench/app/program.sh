#!/usr/bin/env bash
# The real program under Xvfb: CPU time, wake-ups and resident memory while scanning the bundled
# letter keyboard at 1000 ms steps, and idle in the free layout (the same keys, laid out freely).
#
#   bench/app/program.sh BUILD_DIR [SECONDS]       (default 30 s per measurement)
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-30}
command -v Xvfb >/dev/null || { echo "program.sh: Xvfb missing, skipped"; exit 0; }

tmp=$(mktemp -d)
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
export QT_QPA_PLATFORM=xcb
for n in $(seq 150 199); do [ -e /tmp/.X$n-lock ] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT
sleep 1

# The free layout: the letter keyboard's keys with their own positions.
mkdir "$tmp/Tables"
"$build/tools/orvanta-kbt" dump "$build/Tables/index.kbt" |
  python3 "$(dirname "$0")/free_layout.py" >"$tmp/free.json"
"$build/tools/orvanta-kbt" build "$tmp/free.json" -o "$tmp/Tables/free.kbt"

# CPU time in nanoseconds and voluntary context switches (wake-ups), summed over the threads.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {printf "%d", s}'; }
wakeups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }

measure() { # label, table
  (cd "$tmp" && exec "$build/orvanta" "$2") >/dev/null 2>&1 &
  local pid=$!
  sleep 3
  local t0 s0 t1 s1
  t0=$(cpu_ns $pid); s0=$(wakeups $pid)
  sleep "$seconds"
  t1=$(cpu_ns $pid); s1=$(wakeups $pid)
  local rss; rss=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
  local children; children=$({ pgrep -P $pid || true; } | wc -l)
  kill $pid; wait $pid 2>/dev/null || true
  awk -v l="$1" -v t=$((t1 - t0)) -v s=$((s1 - s0)) -v sec="$seconds" -v rss="$rss" \
      -v kids="$children" 'BEGIN {
    printf "%-26s CPU %.3f %% of one core, %.2f wake-ups per second (%d in %d s), " \
      "resident %.1f MB, %d child processes\n", l, t / 1e7 / sec, s / sec, s, sec, rss / 1024, kids }'
}

measure "scanning, 1000 ms steps:" "$build/Tables/index.kbt"
measure "idle, free layout:" "$tmp/Tables/free.kbt"
