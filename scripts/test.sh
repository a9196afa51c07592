#!/usr/bin/env bash
# Builds Handwick and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HANDWICK_BUILD_DIR:-$root/build}
bash "$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure "$@"
