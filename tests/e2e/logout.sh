#!/usr/bin/env bash
# A logout takes the sound server and the X server away together, right after
# taps: handwick must end with status 1 every time, never with a crash.
#   logout.sh path/to/handwick [runs]
set -uo pipefail
bin=$1 runs=${2:-5}
command -v Xvfb >/dev/null || { echo "logout.sh: Xvfb is not installed; skipped" >&2; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/handwick-logout.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
for run in $(seq "$runs"); do
  mkdir -p -m 700 "$work/$run"
  export HOME=$work/$run XDG_RUNTIME_DIR=$work/$run XDG_CONFIG_HOME=$work/$run/config
  mkdir -p "$XDG_CONFIG_HOME/Handwick" # a returning user: no welcome window
  printf '[General]\nwelcomed=true\n' >"$XDG_CONFIG_HOME/Handwick/Handwick.ini"
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/$run/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 400); do [ -s "$work/$run/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$work/$run/display")"
  pulseaudio --daemonize=no --exit-idle-time=-1 --use-pid-file=no -n \
    --load="module-null-sink sink_name=nul" --load=module-native-protocol-unix 2>/dev/null &
  pulse=$!
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
  "$bin" >"$work/$run/out.txt" 2>&1 &
  app=$!
  # Up once it shows a window (without a tray, its notice); a loaded machine
  # may take longer than a second to get there.
  for _ in $(seq 100); do xdotool search --pid "$app" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 0.2
  xdotool mousemove 300 300 key ctrl+alt+h
  sleep 0.4
  xdotool click 1 click 1 click 1
  kill "$pulse" "$xvfb"
  wait "$app"
  status=$?
  wait "$pulse" "$xvfb" 2>/dev/null
  if [ "$status" != 1 ]; then
    echo "FAIL (run $run): exit status $status" >&2
    cat "$work/$run/out.txt" >&2
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
