#!/usr/bin/env bash
# Builds Handwick and makes the Debian package in build/package/ (or
# $HANDWICK_BUILD_DIR/package); prints the package's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HANDWICK_BUILD_DIR:-$root/build}
bash "$root/scripts/build.sh"
rm -f "$build"/package/handwick_*.deb
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build/package" >&2
ls "$build"/package/handwick_*.deb
