#!/usr/bin/env bash
# Copies the toolbar's icons out of the lucide-static npm package into
# assets/icons/. Run it by hand to change or add icons; the build never needs
# the network, since the copied SVGs are committed. Give a version to update;
# without one the version in use stays.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=${1:-1.87.0}

# Keep in step with the table in src/ui/Icons.cpp.
icons=(
  circle-dot pencil highlighter arrow-up-right rectangle-horizontal list-ordered
  sun undo-2 eraser volume-2 volume-off x
  settings hand paintbrush info keyboard mouse-pointer-click pointer line-squiggle rotate-ccw
  panel-top square-arrow-out-up-left lock-open
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "lucide-static@$version" >/dev/null && tar xzf lucide-static-*.tgz)

target="$root/assets/icons"
mkdir -p "$target"
rm -f "$target"/*.svg
for name in "${icons[@]}"; do
  cp "$work/package/icons/$name.svg" "$target/$name.svg"
done
cp "$work/package/LICENSE" "$target/LICENSE"
echo "lucide-static $version: ${#icons[@]} icons copied to assets/icons/" >&2
