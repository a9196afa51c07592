#!/usr/bin/env bash
# Builds an optimised Handwick and runs every benchmark; prints the figures.
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
for bench in "$HANDWICK_BUILD_DIR"/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  HANDWICK_BIN="$HANDWICK_BUILD_DIR/src/handwick" "$bench"
done
