#!/usr/bin/env bash
# Runs bracing-check with --report on an input, prints the calc sheet to PDF
# with headless Chromium and reads it back with poppler: texts that must (or
# must not) be there, the page numbers in the margin, and each bay's page
# starting a page of its own after the summary, and nothing printed shrunk
# to fit. White space is ignored
# throughout: pdftotext drops it around Chinese.
#
# Usage: print_sheet.sh PROGRAM INPUT SHEET.html [OPTION]... --
#          [--text T]... [--absent T]... [--bay HEADING]...
# Exit status 77 (a skipped test) when Chromium is not installed.
set -euo pipefail
program=$1
input=$2
sheet=$3
shift 3
options=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  options+=("$1")
  shift
done
shift

status=0
"$program" "${options[@]}" --report "$sheet" "$input" >/dev/null || status=$?
if [ "$status" -gt 1 ] || [ ! -s "$sheet" ]; then
  echo "FAIL: bracing-check --report exited with status $status" >&2
  exit 1
fi
sheet=$(realpath "$sheet")
pdf=${sheet%.html}.pdf

if ! command -v chromium >/dev/null; then
  echo "chromium is not installed (scripts/install-deps.sh installs it): print check skipped"
  exit 77
fi
profile=$(mktemp -d)
log=$profile.log
trap 'rm -rf "$profile" "$log"' EXIT
rm -f "$pdf"
if ! timeout 120 chromium --headless --no-sandbox --disable-gpu --no-pdf-header-footer \
    --disable-background-networking --disable-component-update --no-first-run \
    --user-data-dir="$profile" --print-to-pdf="$pdf" "file://$sheet" >"$log" 2>&1 ||
    [ ! -s "$pdf" ]; then
  cat "$log" >&2
  echo "FAIL: chromium printed no PDF" >&2
  exit 1
fi

squeeze() { tr -d ' \t\r\n\f'; }
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
declare -a text first
for ((p = 1; p <= pages; p++)); do
  page=$(pdftotext -layout -enc UTF-8 -f "$p" -l "$p" "$pdf" -)
  text[p]=$(printf '%s' "$page" | squeeze)
  first[p]=$(printf '%s\n' "$page" | awk 'NF && !done { print; done = 1 }' | squeeze)
done
all=$(printf '%s' "${text[@]}")

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

summary_end=0
for ((p = 1; p <= pages; p++)); do
  case ${text[p]} in *行：*未读入*) summary_end=$p ;; esac
  case ${text[p]} in *"第${p}页共${pages}页"*) ;; *) fail "page $p has no \"第 $p 页 共 $pages 页\"" ;; esac
done
[ "$summary_end" -gt 0 ] || fail "no summary count (共 … 行：… 未读入 … 行)"
# A Chinese glyph is 1 em wide: the title's first, set in 22 pt, shows
# whether the browser shrank the pages to fit something too wide.
words=$(pdftotext -bbox -f 1 -l 1 "$pdf" -)
title=$(printf '%s\n' "$words" | awk -F'"' '/<word .*>柱<\/word>/ && !done { print $6 - $2; done = 1 }')
awk -v w="${title:-0}" 'BEGIN { exit !(w > 21) }' || fail "printed shrunk: the title's 柱 is ${title:-not} pt wide, not 22"

last_bay=$summary_end
while [ $# -gt 0 ]; do
  want=$(printf '%s' "$2" | squeeze)
  case $1 in
    --text) case $all in *"$want"*) ;; *) fail "not in the sheet: $2" ;; esac ;;
    --absent) case $all in *"$want"*) fail "in the sheet, and should not be: $2" ;; esac ;;
    --bay)
      found=0
      for ((p = last_bay + 1; p <= pages; p++)); do
        case ${first[p]} in "$want"*) found=$p; break ;; esac
      done
      if [ "$found" -eq 0 ]; then
        fail "no page after page $last_bay starts with: $2"
      else
        last_bay=$found
      fi
      ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
  esac
  shift 2
done

if [ "$failures" -gt 0 ]; then
  for ((p = 1; p <= pages; p++)); do echo "--- page $p: ${text[p]:0:400}" >&2; done
  exit 1
fi
echo "printed $pages pages; summary ends on page $summary_end"
