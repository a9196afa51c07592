#!/usr/bin/env bash
# The Debian package: its control fields, the libraries it depends on (found by
# dpkg-shlibdeps) and its file list, which holds the installed layout under
# /usr and nothing from the build or the tests.
#   package.sh <build folder> <version>
set -euo pipefail
build=$1 version=$2 id=io.github.handwick.Handwick
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; exit 1; }
deb=$out/handwick_${version}_$(dpkg --print-architecture).deb
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = handwick ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
for field in Maintainer Section Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "no $field"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6multimedia6 libqt6svg6 libopencv-imgproc libxcb1; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for wanted in usr/bin/handwick usr/share/applications/$id.desktop \
  usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
  usr/share/icons/hicolor/48x48/apps/$id.png usr/share/doc/handwick/copyright \
  usr/share/handwick/translations/handwick_de.qm; do
  grep -qx "./$wanted" <<<"$files" || fail "$wanted is not in the package"
done
stray=$(grep -v -e '^\./usr/bin/handwick$' -e '^\./usr/share/' -e '/$' <<<"$files" || true)
[ -z "$stray" ] || fail "unexpected files: $stray"
