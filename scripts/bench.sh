#!/usr/bin/env bash
#   bench.sh [side-by-side]
# Builds an optimised Handwick and runs every benchmark; prints the figures.
# With "side-by-side" only the comparison with Gromit-MPX (installed from
# Debian when missing) and the hand-only figures run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export HANDWICK_BUILD_DIR=${HANDWICK_BUILD_DIR:-$root/build-release}
export HANDWICK_BUILD_TYPE=Release
bash "$root/scripts/build.sh"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Qt wants a private runtime folder; outside a desktop session there is none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
if [ "${1:-}" != side-by-side ]; then
  for bench in "$HANDWICK_BUILD_DIR"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    HANDWICK_BIN="$HANDWICK_BUILD_DIR/src/handwick" "$bench"
  done
fi

# The same scripted mouse for Handwick and Gromit-MPX, the annotation tool
# people use today, in one X session.
if ! command -v gromit-mpx >/dev/null; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq gromit-mpx >&2
fi
export HANDWICK_BIN="$HANDWICK_BUILD_DIR/src/handwick"
export HANDWICK_E2E_TOOLS="$HANDWICK_BUILD_DIR/tests/e2e"
session=("$root/tests/e2e/session.sh")
echo "== side by side with Gromit-MPX"
bash "${session[@]}" --size 1920x1080 -- bash "$root/bench/side_by_side.sh" draw
bash "${session[@]}" --size 1920x1080 -- bash "$root/bench/side_by_side.sh" hand
bash "${session[@]}" --size 3840x2160 -- bash "$root/bench/side_by_side.sh" hand
