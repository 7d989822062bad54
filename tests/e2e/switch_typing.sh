#!/usr/bin/env bash
# A switch user composes a Czech sentence on the bundled letter keyboard: once with one switch
# (Space, short and long presses), once with two (Space and Enter), and once with one switch on a
# Czech keyboard layout (the key of "ě") after choosing it and the X cursor with stopping in the
# grid settings.
set -u
program=$1
. "$(dirname "$0")/lib.sh"
command -v python3 >/dev/null && command -v xclip >/dev/null && command -v setxkbmap >/dev/null ||
  { echo "python3, xclip or setxkbmap missing"; exit 77; }

compose() { # switches, sentence
  # Each user starts afresh: the configuration of the one before would bring back their text.
  export XDG_CONFIG_HOME=$E2E_TMP/config-$1
  "$program" --lang cs index.kbt >"program-$1.log" 2>&1 &
  local pid=$!
  local window
  window=$(wait_window '^Klávesnice pro alternativní komunikaci$') ||
    { cat "program-$1.log"; fail "main window not shown"; }
  local written
  written=$(python3 "$(dirname "$0")/switch_user.py" "$window" "$1" "$2") || fail "$1 switch(es): $written"
  [ "$written" = "$2" ] || fail "$1 switch(es): wrote '$written', wanted '$2'"
  # Ended from outside, the program closes as its own command does and keeps the text.
  kill "$pid"
  wait "$pid" 2>/dev/null
  "$(dirname "$program")/tools/orvanta-cfg" dump "$XDG_CONFIG_HOME/Orvanta/Orvanta.cfg" |
    grep -qxF "  | $2" || fail "$1 switch(es): the text was not kept at the end"
}

cd "$E2E_TMP"
compose one "ahoj."
compose two "dík."
compose stop "je"
echo "PASS"
