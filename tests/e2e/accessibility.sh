#!/usr/bin/env bash
# A screen reader's view over AT-SPI: on a private session bus with its own accessibility bus,
# the program shows its window, display and keys by name, reports the key under the scan cursor
# as focused while the scan moves, and names every control of the grid settings dialog.
set -u
program=$1
dump=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
launcher=/usr/libexec/at-spi-bus-launcher
# The AT-SPI bindings come with the system's Python, which another one on the path may hide.
python=
for candidate in python3 /usr/bin/python3; do
  "$candidate" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null &&
    { python=$candidate; break; }
done
command -v dbus-daemon >/dev/null && [ -x "$launcher" ] && [ -n "$python" ] ||
  { echo "dbus-daemon, at-spi2-core or the AT-SPI Python bindings missing"; exit 77; }

cd "$E2E_TMP"
# A bus of this test alone: the accessibility bus and registry come and go with it.
bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1) ||
  fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
bus_pid=${bus##*$'\n'}
trap 'kill "$bus_pid" 2>/dev/null; e2e_cleanup' EXIT
unset AT_SPI_BUS_ADDRESS
"$launcher" --launch-immediately --a11y=1 >launcher.log 2>&1 &
# The program exposes its tree whatever the desktop's setting says.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

"$program" index.kbt >program.log 2>&1 &
pid=$!
wait_window '^Klávesnice pro alternativní komunikaci$' >/dev/null ||
  { cat program.log; fail "main window not shown"; }
result=$("$python" "$here/accessibility.py" "$pid" $dump 2>&1) ||
  { cat launcher.log program.log; fail "$result"; }
kill -0 "$pid" 2>/dev/null || fail "the program is gone"
echo "PASS"
