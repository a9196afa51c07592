#!/usr/bin/env bash
# Installs what is missing and builds Handwick into build/ (or $HANDWICK_BUILD_DIR).
# Build output goes to standard error, so a command's own output stays clean.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HANDWICK_BUILD_DIR:-$root/build}
type=${HANDWICK_BUILD_TYPE:-RelWithDebInfo}
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type" >&2
cmake --build "$build" >&2
