#!/usr/bin/env bash
# `handwick` without a display it can use: one clear line on standard error,
# exit status 1, no crash.
#   no_display.sh path/to/handwick
set -uo pipefail
bin=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/handwick-nodisplay.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

expect_clear_refusal() { # description, then env arguments
  local what=$1; shift
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$bin" >"$work/out" 2>"$work/err"
  local status=$? lines
  lines=$(wc -l <"$work/err")
  if [ "$status" != 1 ] || [ "$lines" != 1 ] || [ -s "$work/out" ]; then
    echo "FAIL ($what): exit status $status, $lines lines on stderr:" >&2
    cat "$work/err" "$work/out" >&2
    failures=$((failures + 1))
  fi
}

expect_clear_refusal "no DISPLAY" -u DISPLAY
# A display number with no server behind it.
n=987
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
expect_clear_refusal "DISPLAY names no server" DISPLAY=":$n"

exit $((failures > 0))
