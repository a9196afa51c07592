#!/usr/bin/env bash
#   session.sh [--no-compositor] [--no-tray] [--no-sound] [--size WxH] [--] command [args…]
# Runs the command in a private X session (1280x800 unless told): Xvfb on a
# display it picks itself (so sessions run side by side), openbox, picom, tint2
# (a tray) and PulseAudio with a null sink "nul", all ended by PID on exit. The
# command gets its own HOME and XDG folders, HANDWICK_E2E_WITHOUT naming the
# parts left out and HANDWICK_E2E_SERVER_PIDS the X server and compositor.
# Logs show only on failure (HANDWICK_E2E_KEEP=1 keeps them).
# `xtool` comes from $HANDWICK_E2E_TOOLS, else build/tests/e2e.
# shellcheck disable=SC2016  # readiness checks are shell code, run later
set -uo pipefail

without=() size=1280x800
while [ $# -gt 0 ]; do
  case "$1" in
    --no-compositor | --no-tray | --no-sound) without+=("${1#--no-}") ;;
    --size) size=$2; shift ;;
    --) shift; break ;;
    -*) echo "session.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
  shift
done
[ $# -gt 0 ] || { echo "usage: session.sh [options] [--] command [args…]" >&2; exit 2; }
export HANDWICK_E2E_WITHOUT="${without[*]}"
wanted() { [[ " $HANDWICK_E2E_WITHOUT " != *" $1 "* ]]; }

command -v Xvfb >/dev/null || { echo "session.sh: Xvfb is not installed; skipped" >&2; exit 77; }
HANDWICK_E2E_TOOLS=${HANDWICK_E2E_TOOLS:-$(cd "$(dirname "$0")/../.." && pwd)/build/tests/e2e}
export HANDWICK_E2E_TOOLS
xtool=$HANDWICK_E2E_TOOLS/xtool
[ -x "$xtool" ] || { echo "session.sh: $xtool not found (set HANDWICK_E2E_TOOLS)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/handwick-session.XXXXXX")
pids=() failed=0

# shellcheck disable=SC2317  # called by the trap
cleanup() {
  local pid i log
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -TERM "${pids[i]}" 2>/dev/null; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  [ "$failed" = 0 ] || for log in "$work"/*.log; do
    [ -s "$log" ] && { echo "---- $(basename "$log")"; tail -n 40 "$log"; } >&2
  done
  if [ "${HANDWICK_E2E_KEEP:-0}" = 1 ]; then echo "session.sh: logs kept in $work" >&2
  else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# name check command…: runs `command` in the background, logging to name.log,
# and waits up to five seconds for `check` (shell code) to pass.
start() {
  local name=$1 check=$2 pid; shift 2
  "$@" >"$work/$name.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  printf -v "pid_$name" %s "$pid"
  for _ in $(seq 100); do
    eval "$check" >/dev/null 2>&1 && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "session.sh: $name did not start" >&2
  failed=1
  exit 1
}

mkdir -p "$work/home" "$work/config" "$work/cache" "$work/data" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER PULSE_SERVER
unset XAUTHORITY

# Xvfb writes the display number it took once it takes clients.
start xvfb 'test -s "$work/display"' \
  Xvfb -displayfd 3 -screen 0 "${size}x24" +extension RANDR -nolisten tcp -noreset 3>"$work/display"
read -r display <"$work/display"
export DISPLAY=":$display"

start openbox 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' openbox --sm-disable
wanted compositor && start picom '"$xtool" owner _NET_WM_CM_S0' picom --backend xrender
wanted tray && start tint2 '"$xtool" owner _NET_SYSTEM_TRAY_S0' tint2
# As root PulseAudio warns but runs; --daemonize=no keeps the PID ours.
wanted sound && start pulseaudio 'pactl info' pulseaudio --daemonize=no --exit-idle-time=-1 \
  --disallow-exit --use-pid-file=no -n --load="module-null-sink sink_name=nul" \
  --load=module-native-protocol-unix

# Benchmarks count what the server and the compositor spend for a program.
export HANDWICK_E2E_SERVER_PIDS="${pid_xvfb:-} ${pid_picom:-}"
"$@"
status=$?
[ "$status" = 0 ] || failed=1
exit "$status"
