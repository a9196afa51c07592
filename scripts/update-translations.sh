#!/usr/bin/env bash
# Collects every user-visible text (tr() and QT_TRANSLATE_NOOP, English text as
# the key) from src/ into all translation sources at once: handwick_en.ts (only
# its plural forms need filling in) and the German, French and Spanish ones.
# New or changed texts arrive marked unfinished, texts gone from the code are
# dropped; scripts/check-translations.sh then lists what still needs work.
# No source locations are kept: they would change with every edit of the code
# and make merging the .ts files between branches needlessly hard.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
languages=(en de fr es)
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
files=()
for language in "${languages[@]}"; do files+=("$root/translations/handwick_$language.ts"); done
"$lupdate" -silent -no-obsolete -locations none "$root/src" -ts "${files[@]}"
