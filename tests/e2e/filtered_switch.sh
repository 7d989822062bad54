#!/usr/bin/env bash
# A switch user with a shaky hand composes a word on the bundled letter keyboard with one switch,
# while the program filters the switch: presses shorter than the acceptance time and bounces
# within the ignore time after a taken press must not count. The settings come from the switch
# access file beside the configuration, which the program reads at start.
set -u
program=$1
. "$(dirname "$0")/lib.sh"
command -v python3 >/dev/null && command -v xclip >/dev/null ||
  { echo "python3 or xclip missing"; exit 77; }

cd "$E2E_TMP"
# The shipped configuration (a scan step of a second); only switch access is the user's own.
mkdir -p "$XDG_CONFIG_HOME/Orvanta"
cat >"$XDG_CONFIG_HOME/Orvanta/ScanAccess.ini" <<'INI'
[Switches]
AcceptTime=300
IgnoreAfter=400
INI
"$program" --lang cs index.kbt >program.log 2>&1 &
pid=$!
window=$(wait_window '^Klávesnice pro alternativní komunikaci$') ||
  { cat program.log; fail "main window not shown"; }
written=$(python3 "$(dirname "$0")/filtered_user.py" "$window" "je") || fail "$written"
[ "$written" = "je" ] || fail "wrote '$written', wanted 'je'"
kill "$pid"
wait "$pid" 2>/dev/null
# The settings stay in their own file; the program kept them there.
grep -qx 'AcceptTime=300' "$XDG_CONFIG_HOME/Orvanta/ScanAccess.ini" ||
  fail "the switch access settings were not kept"
echo "PASS"
