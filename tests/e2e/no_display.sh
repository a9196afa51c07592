#!/usr/bin/env bash
# `handwick` without a display it can use: one clear line on standard error,
# nothing on standard output, exit status 1, no crash.
#   no_display.sh path/to/handwick
set -uo pipefail
bin=$1
err=$(mktemp "${TMPDIR:-/tmp}/handwick-nodisplay.XXXXXX")
trap 'rm -f "$err"' EXIT
# A display number with no server behind it.
n=987
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
failures=0
for display in -u\ DISPLAY DISPLAY=:$n; do
  # shellcheck disable=SC2086  # "-u DISPLAY" is two arguments to env
  out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display timeout 20 "$bin" 2>"$err")
  status=$?
  if [ "$status" != 1 ] || [ "$(wc -l <"$err")" != 1 ] || [ -n "$out" ]; then
    echo "FAIL ($display): exit status $status, said:" >&2
    { cat "$err"; echo "$out"; } >&2
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
