# Sourced by the start-up scripts here: a home, configuration and runtime folder of their own in
# $tmp, removed at exit with every job started, and a private PulseAudio with a null sink named
# "out", as a user's desktop has a sound server.
tmp=$(mktemp -d)
export XDG_RUNTIME_DIR=$tmp/runtime XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
export HOME=$tmp/home QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
cleanup() {
  jobs -p | xargs -r kill 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  -L module-native-protocol-unix -L "module-null-sink sink_name=out" >"$tmp/pulse.log" 2>&1 &
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
