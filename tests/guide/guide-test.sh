#!/usr/bin/env bash
# The user guide made by the build: a PDF that opens, with the contents list
# naming every chapter of the guide's texts at the page where the chapter
# begins, and with a picture within the pages of every chapter whose text
# places one.
# Usage: guide-test.sh <Guida.pdf> <folder of the guide's texts>
set -euo pipefail
pdf="$1"
texts="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

info="$(pdfinfo "$pdf")" || fail "pdfinfo cannot open $pdf"
pages="$(awk '/^Pages:/ {print $2}' <<<"$info")"
[ "$pages" -gt 2 ] || fail "only $pages pages"

# Page by page, each page's text on one line with single blanks, so that a
# title broken over two lines still reads whole.
page_text() { pdftotext -f "$1" -l "$1" "$pdf" - | tr -s ' \n' '  '; }
contents="$(pdftotext -layout -f 2 -l 2 "$pdf" -)"
grep -q '^ *Indice' <<<"$contents" || fail "no contents list on page 2"

# The picture count of every page.
declare -A pictures=()
while read -r page _ type _; do
  [ "$type" = image ] && pictures[$page]=$(( ${pictures[$page]:-0} + 1 ))
done < <(pdfimages -list "$pdf" | tail -n +3)

chapters=("$texts"/[0-9][0-9]-*.md)
[ "${#chapters[@]}" -gt 0 ] || fail "no chapter texts in $texts"
starts=()
for i in "${!chapters[@]}"; do
  n=$((i + 1))
  title="$(head -n 1 "${chapters[$i]}" | sed 's/^# //')"
  # "n. Title ... page" in the contents.
  line="$(grep -F "$n. $title" <<<"$contents")" || fail "contents do not list \"$n. $title\""
  start="$(awk '{print $NF}' <<<"$line")"
  [[ "$start" =~ ^[0-9]+$ ]] || fail "no page number for \"$title\""
  page_text "$start" | grep -qF "$n. $title" || fail "\"$title\" does not begin on page $start"
  starts+=("$start")
done

for i in "${!chapters[@]}"; do
  grep -q '^!\[' "${chapters[$i]}" || continue
  first="${starts[$i]}"
  last=$(( i + 1 < ${#starts[@]} ? starts[i + 1] - 1 : pages ))
  found=0
  for ((p = first; p <= last; p++)); do found=$(( found + ${pictures[$p]:-0} )); done
  wanted="$(grep -c '^!\[' "${chapters[$i]}")"
  [ "$found" -ge "$wanted" ] \
    || fail "chapter $((i + 1)) places $wanted pictures, its pages $first-$last hold $found"
done
echo "the guide has ${#chapters[@]} chapters on $pages pages, with their pictures"
