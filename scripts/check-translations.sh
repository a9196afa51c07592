#!/usr/bin/env bash
# Fails when a user-visible text has no finished translation: it collects the
# texts afresh from src/ into copies of translations/*.ts (so texts added to
# the code since the last scripts/update-translations.sh count as missing),
# then lists every German, French or Spanish entry that is unfinished, empty,
# or drops or adds a %1-style placeholder, and every English plural form left
# empty. Exit status 1 when anything is listed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=()
for language in en de fr es; do
  source="$root/translations/handwick_$language.ts"
  if [ ! -f "$source" ]; then
    echo "missing file: translations/handwick_$language.ts"
    exit 1
  fi
  cp "$source" "$work/"
  files+=("$work/handwick_$language.ts")
done
"$lupdate" -silent -no-obsolete -locations none "$root/src" -ts "${files[@]}"

# Prints "file: problem: source text" for each faulty <message>. Relies on
# lupdate's own layout: one element per line, a text on one line unless it
# holds a line break itself.
check() {
  awk -v file="$(basename "$1")" -v pluralsOnly="$2" '
    function placeholders(text,   found, token) {
      found = ""
      while (match(text, /%[1-9]/)) {
        token = substr(text, RSTART, RLENGTH)
        if (index(found, token) == 0) found = found token
        text = substr(text, RSTART + RLENGTH)
      }
      return found
    }
    function sorted(set,   n, i, j, parts, t, out) {
      n = length(set) / 2
      for (i = 1; i <= n; i++) parts[i] = substr(set, 2 * i - 1, 2)
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++)
        if (parts[j] < parts[i]) { t = parts[i]; parts[i] = parts[j]; parts[j] = t }
      out = ""
      for (i = 1; i <= n; i++) out = out parts[i]
      return out
    }
    function report(problem) { print file ": " problem ": " source; bad = 1 }
    /<message/ { source = ""; forms = 0; empty = 0; unfinished = 0; wrong = 0
                 numerus = ($0 ~ /numerus="yes"/); inSource = 0; inText = 0 }
    /<source>/ { inSource = 1; source = "" }
    inSource { source = source $0; if ($0 ~ /<\/source>/) { inSource = 0
               sub(/^.*<source>/, "", source); sub(/<\/source>.*$/, "", source)
               want = sorted(placeholders(source)) } ; next }
    /<translation/ && $0 ~ /type="(unfinished|vanished|obsolete)"/ { unfinished = 1 }
    /<translation[^>]*>/ && !numerus { inText = 1; text = "" }
    /<numerusform/ { inText = 1; text = "" }
    inText { text = text $0
             if ($0 ~ /<\/(translation|numerusform)>|<(translation|numerusform)[^>]*\/>/) {
               inText = 0; forms++
               sub(/^[^>]*>/, "", text); sub(/<\/(translation|numerusform)>.*$/, "", text)
               if (text ~ /^[ \t]*$/ || text ~ /\/>$/) empty = 1
               else if (sorted(placeholders(text)) != want) wrong = 1 } }
    /<\/message>/ {
      if (pluralsOnly && !numerus) next
      if (unfinished || empty || forms == 0) report("not translated")
      else if (wrong) report("placeholders differ")
    }
    END { exit bad }
  ' "$1"
}

status=0
check "$work/handwick_en.ts" 1 || status=1
for language in de fr es; do
  check "$work/handwick_$language.ts" 0 || status=1
done
exit $status
