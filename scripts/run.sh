#!/usr/bin/env bash
# Builds Handwick and starts it, passing every argument through.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
exec "${HANDWICK_BUILD_DIR:-$root/build}/src/handwick" "$@"
