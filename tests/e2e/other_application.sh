#!/usr/bin/env bash
# Typing into another application: a text field of another program has the focus. With the mode
# off the switch keys reach it as ordinary keys; with the mode on a switch user composes
# "Dobrý den." on the bundled keyboard (Czech letters on an English layout, Shift, the space
# key, which is also switch 1) and the field holds exactly that, while the focus never leaves
# it; after the program is killed the switch keys reach the field again.
set -u
program=$1
field_app=$2
. "$(dirname "$0")/lib.sh"
command -v python3 >/dev/null || { echo "python3 missing"; exit 77; }
cd "$E2E_TMP"
config=$XDG_CONFIG_HOME/Orvanta
mkdir -p "$config"
field_file=$E2E_TMP/field.txt

field_text() { cat "$field_file" 2>/dev/null; }
# Waits up to 5 s for the field to hold $1.
wait_field() {
  for _ in $(seq 50); do
    [ "$(field_text)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
start_program() {
  "$program" --lang cs index.kbt >>program.log 2>&1 &
  pid=$!
  window=$(wait_window '^Klávesnice pro alternativní komunikaci$') ||
    { cat program.log; fail "main window not shown"; }
  xdotool windowfocus --sync "$field"
  sleep 0.5
}

"$field_app" "$field_file" &
field=$(wait_window '^Text field$') || fail "the text field application did not show"

# The mode off: the switches are the other application's ordinary keys.
start_program
xdotool key space Return x
wait_field $' \nx' || fail "mode off: the field holds '$(field_text)', not the switch keys"
kill "$pid"
wait "$pid" 2>/dev/null
xdotool key ctrl+a BackSpace
wait_field "" || fail "the field was not cleared"

# The mode on, as the menu item leaves it in its file.
printf '[Typing]\nOtherApplications=true\n' >"$config/Typing.ini"
start_program
out=$(python3 "$(dirname "$0")/switch_user.py" "$window" outside "Dobrý den.") ||
  fail "switch user: $out"
wait_field "Dobrý den." || fail "mode on: the field holds '$(field_text)', not 'Dobrý den.'"
[ "$(xdotool getwindowfocus)" = "$field" ] || fail "the focus left the text field"
kill -0 "$pid" 2>/dev/null || fail "the program is gone"

# Killed, the program leaves no key taken.
kill -9 "$pid"
wait "$pid" 2>/dev/null
xdotool key space
wait_field "Dobrý den. " || fail "after a crash: the field holds '$(field_text)'"
echo "PASS"
