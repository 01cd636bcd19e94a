#!/usr/bin/env bash
# Runs bracing-check with --report on an input, prints the calc sheet to PDF
# with headless Chromium and reads it back with poppler (report/tests/
# check_pdf.sh): texts that must (or must not) be there, the page numbers in
# the margin, the running head on every page, and each bay's page starting a page of its own after the
# summary, and nothing printed shrunk to fit.
#
# Usage: print_sheet.sh PROGRAM INPUT SHEET.html [OPTION]... --
#          [--text T]... [--absent T]... [--header T]... [--bay HEADING]... [--one-page HEADING]...
# Exit status 77 (a skipped test) when Chromium is not installed.
set -euo pipefail
. "$(dirname "$0")/../../tests/check_pdf.sh"
write_sheet "$@"
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

read_pdf "$pdf" 1
check_pages "${checks[@]}"
# A Chinese glyph is 1 em wide: the title's first, set in 22 pt, shows
# whether the browser shrank the pages to fit something too wide.
words=$(pdftotext -bbox -f 1 -l 1 "$pdf" -)
title=$(printf '%s\n' "$words" | awk -F'"' '/<word .*>柱<\/word>/ && !done { print $6 - $2; done = 1 }')
awk -v w="${title:-0}" 'BEGIN { exit !(w > 21) }' || fail "printed shrunk: the title's 柱 is ${title:-not} pt wide, not 22"
end_checks "printed $pages pages; summary ends on page $summary_end"
