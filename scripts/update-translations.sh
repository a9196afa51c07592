#!/usr/bin/env bash
# Collects every user-visible text (tr() and QT_TRANSLATE_NOOP, English text as
# the key) into the translation sources under translations/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -no-obsolete "$root/src" -ts "$root"/translations/*.ts
