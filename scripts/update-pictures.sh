#!/usr/bin/env bash
# Redraws the README's pictures of Handwick's windows with `--snapshot`, once
# on a light and once on a dark desktop (GTK's Adwaita and Adwaita-dark, which
# Qt follows through its GTK platform theme), each in a private X session, and
# copies them into docs/ as <name>-light.png and <name>-dark.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HANDWICK_BUILD_DIR:-$root/build}
bash "$root/scripts/build.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for look in light dark; do
  theme=Adwaita
  [ "$look" = dark ] && theme=Adwaita:dark
  mkdir -p -m 700 "$work/home-$look"
  # A fresh home: no settings carried over, the welcome window as a newcomer sees it.
  HANDWICK_BIN="$build/src/handwick" bash "$root/tests/e2e/session.sh" -- \
    env HOME="$work/home-$look" XDG_CONFIG_HOME="$work/home-$look/config" \
    XDG_DATA_HOME="$work/home-$look/data" XDG_RUNTIME_DIR="$work/home-$look" \
    QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME="$theme" LANGUAGE=en \
    "$build/src/handwick" --snapshot "$work/$look" >/dev/null 2>&1
  for picture in "$work/$look"/*.png; do
    cp "$picture" "$root/docs/$(basename "$picture" .png)-$look.png"
  done
done
echo "pictures written to $root/docs" >&2
