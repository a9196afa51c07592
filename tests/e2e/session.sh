#!/usr/bin/env bash
# Runs a command inside a private X desktop session and returns its exit code.
#
#   session.sh [--no-compositor] [--no-tray] [--no-sound] [--size WxH] [--] command [args…]
#
# Starts Xvfb on a free display (:91 to :99), openbox, picom (xrender), tint2
# (a panel with a system tray) and PulseAudio with a null sink named "nul",
# each in the background and ended by its PID on exit. The command sees
# DISPLAY and a HOME, XDG folders and a sound server of its own, so nothing
# touches the user's session or settings. Logs go to a temporary folder and
# are printed only when something fails. HANDWICK_E2E_KEEP=1 keeps that folder.
#
# Needs the helper `xtool` (built with the tests) to see selections: found in
# $HANDWICK_E2E_TOOLS, else beside this script's build in build/tests/e2e.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
compositor=1 tray=1 sound=1 size=1280x800
while [ $# -gt 0 ]; do
  case "$1" in
    --no-compositor) compositor=0 ;;
    --no-tray) tray=0 ;;
    --no-sound) sound=0 ;;
    --size) size=$2; shift ;;
    --) shift; break ;;
    -*) echo "session.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
  shift
done
[ $# -gt 0 ] || { echo "usage: session.sh [options] [--] command [args…]" >&2; exit 2; }

command -v Xvfb >/dev/null || { echo "session.sh: Xvfb is not installed; skipped" >&2; exit 77; }

xtool=${HANDWICK_E2E_TOOLS:-$here/../../build/tests/e2e}/xtool
HANDWICK_E2E_TOOLS=$(dirname "$xtool")
export HANDWICK_E2E_TOOLS
[ -x "$xtool" ] || { echo "session.sh: $xtool not found (set HANDWICK_E2E_TOOLS)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/handwick-session.XXXXXX")
pids=()
failed=0

# shellcheck disable=SC2317  # called by the trap
show_logs() {
  for log in "$work"/*.log; do
    [ -s "$log" ] || continue
    echo "---- $(basename "$log")" >&2
    tail -n 40 "$log" >&2
  done
}

# shellcheck disable=SC2317  # called by the trap
cleanup() {
  local pid i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill -TERM "$pid" 2>/dev/null
  done
  for pid in "${pids[@]}"; do
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  [ "$failed" = 0 ] || show_logs
  if [ "${HANDWICK_E2E_KEEP:-0}" = 1 ]; then echo "session.sh: logs kept in $work" >&2
  else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
  echo "session.sh: $*" >&2
  failed=1
  exit 1
}

# Waits up to about five seconds for a check to pass while `pid` still runs.
wait_until() {
  local what=$1 pid=$2; shift 2
  for _ in $(seq 100); do
    "$@" >/dev/null 2>&1 && return 0
    kill -0 "$pid" 2>/dev/null || fail "$what ended while starting"
    sleep 0.05
  done
  fail "$what did not become ready"
}

start() { # name command… — starts in the background, logging to name.log
  local name=$1; shift
  "$@" >"$work/$name.log" 2>&1 &
  pids+=($!)
}

mkdir -p "$work/home" "$work/config" "$work/cache" "$work/data" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER PULSE_SERVER
unset XAUTHORITY

# A display number counts as ours only once its lock file names our server,
# so two sessions started at once never share one.
display=
for n in $(seq 91 99); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  start xvfb Xvfb ":$n" -screen 0 "${size}x24" +extension RANDR -nolisten tcp -noreset
  xvfb=${pids[-1]}
  for _ in $(seq 100); do
    kill -0 "$xvfb" 2>/dev/null || break
    if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = "$xvfb" ] &&
      DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
      display=":$n"
      break
    fi
    sleep 0.05
  done
  [ -n "$display" ] && break
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  unset 'pids[-1]'
done
[ -n "$display" ] || fail "no free display between :91 and :99"
export DISPLAY=$display

start openbox openbox --sm-disable
wait_until openbox "${pids[-1]}" bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

if [ "$compositor" = 1 ]; then
  start picom picom --backend xrender
  wait_until picom "${pids[-1]}" "$xtool" owner "_NET_WM_CM_S0"
fi

if [ "$tray" = 1 ]; then
  start tint2 tint2
  wait_until tint2 "${pids[-1]}" "$xtool" owner "_NET_SYSTEM_TRAY_S0"
fi

if [ "$sound" = 1 ]; then
  # As root PulseAudio warns but runs; --daemonize=no keeps the PID ours.
  start pulseaudio pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --use-pid-file=no -n --load="module-null-sink sink_name=nul" \
    --load=module-native-protocol-unix
  wait_until pulseaudio "${pids[-1]}" pactl info
fi

"$@"
status=$?
[ "$status" = 0 ] || failed=1
exit "$status"
