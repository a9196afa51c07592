#!/usr/bin/env bash
# Builds Handwick and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HANDWICK_BUILD_DIR:-$root/build}
bash "$root/scripts/build.sh"
# Qt wants a private runtime folder; outside a desktop session there is none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
ctest --test-dir "$build" --output-on-failure "$@"
