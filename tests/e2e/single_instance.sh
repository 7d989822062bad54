#!/usr/bin/env bash
# A second start shows "already running" and exits non-zero; the first copy stays.
set -u
program=$1
. "$(dirname "$0")/lib.sh"

# The window titles and dialog captions matched below are the Czech ones.
cd "$E2E_TMP"
"$program" --lang cs >first.log 2>&1 &
first=$!
wait_window '^Klávesnice pro alternativní komunikaci$' >/dev/null || fail "main window not shown"

"$program" --lang cs >second.log 2>&1 &
second=$!
box=$(wait_window '^Orvanta$') || fail "no message from the second start"
# The message box holds the text; accept it with Return.
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
for _ in $(seq 50); do kill -0 $second 2>/dev/null || break; sleep 0.1; done
kill -0 $second 2>/dev/null && fail "second start did not end"
wait $second
status=$?
[ $status -ne 0 ] || fail "second start exited with status 0"
kill -0 $first 2>/dev/null || fail "first copy is gone"
echo "PASS"
