# Shared helpers of the end-to-end tests: a private X server, runtime folder and program copy.
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }

E2E_TMP=$(mktemp -d)
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The program's configuration and data of this test only, never the user's.
export XDG_CONFIG_HOME=$E2E_TMP/config XDG_DATA_HOME=$E2E_TMP/data
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb

# A free display number.
for n in $(seq 90 140); do
  [ -e /tmp/.X$n-lock ] || { E2E_DISPLAY=:$n; break; }
done
# No reset when the last client leaves: a program starting just then would find no server.
Xvfb "$E2E_DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
E2E_XVFB=$!
export DISPLAY=$E2E_DISPLAY
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

e2e_cleanup() {
  jobs -p | xargs -r kill 2>/dev/null
  kill "$E2E_XVFB" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

# Waits up to 10 s for a window whose title matches $1; prints its id.
wait_window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

fail() { echo "FAIL: $*"; exit 1; }
