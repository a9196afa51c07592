#!/usr/bin/env bash
# An installed copy as desktops see it: a valid desktop entry and metainfo
# file under one id, the icon at every size it claims, the newest release
# matching the version, and the translations found from the installed program.
#   install.sh <build folder> <version>
set -euo pipefail
build=$1 version=$2 id=io.github.handwick.Handwick
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$share/applications/$id.desktop"
said=$(appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" 2>&1) || fail "$said"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$share/metainfo/$id.metainfo.xml" ||
  fail "metainfo launches another desktop entry"
newest=$(grep -m1 -o '<release version="[^"]*"' "$share/metainfo/$id.metainfo.xml")
[ "$newest" = "<release version=\"$version\"" ] || fail "newest release is not $version: $newest"

for side in 16 22 24 32 48 64 128 256 512; do
  png=$share/icons/hicolor/${side}x$side/apps/$id.png
  # Width and height are the big-endian words at byte 16 of a PNG.
  size=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
  [ "$size" = "${side}x$side" ] || fail "$png is $size"
done
grep -q '<path' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon draws nothing"

# Any German message will do: it must differ from the English one. The
# import touches the settings, so they go to a folder of the test's own.
home=$(mktemp -d -p "$prefix")
says() {
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data LC_ALL='' LANGUAGE='' LANG=$1 \
    "$prefix/bin/handwick" --import-hand "$prefix/none.jpg" || true
}
english=$(says C) german=$(says de_DE.UTF-8)
[ -n "$german" ] && [ "$german" != "$english" ] || fail "no German from the installed program: $german"
