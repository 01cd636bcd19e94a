#!/usr/bin/env bash
# Runs bracing-check with --report FILE.docx on an input, checks the package
# as Word reads it (check_package.py), converts it to PDF with LibreOffice
# and reads that back with poppler (report/tests/check_pdf.sh): texts that
# must (or must not) be there, "第 x 页 共 y 页" in each page's footer, the
# project and title in its header, and each bay's page starting a page of
# its own after the summary.
#
# Usage: print_docx.sh PROGRAM INPUT SHEET.docx [OPTION]... --
#          [--text T]... [--absent T]... [--header T] [--bay HEADING]...
# Exit status 77 (a skipped test) when LibreOffice is not installed.
set -euo pipefail
here=$(dirname "$0")
. "$here/../../tests/check_pdf.sh"
write_sheet "$@"
python3 "$here/check_package.py" "$sheet"

if ! command -v soffice >/dev/null; then
  echo "soffice is not installed (scripts/install-deps.sh installs it): conversion check skipped"
  exit 77
fi
folder=$(dirname "$sheet")
pdf=${sheet%.docx}.pdf
# A profile of its own beside the sheet, kept: LibreOffice's first start
# makes it, which takes the longest.
profile=$folder/libreoffice-profile
log=$folder/libreoffice.log
rm -f "$pdf"
start=$(date +%s.%N)
if ! timeout 150 soffice --headless --norestore "-env:UserInstallation=file://$profile" \
    --convert-to pdf --outdir "$folder" "$sheet" >"$log" 2>&1 || [ ! -s "$pdf" ]; then
  cat "$log" >&2
  echo "FAIL: LibreOffice made no PDF" >&2
  exit 1
fi
took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')

read_pdf "$pdf" 1
check_pages "${checks[@]}"
end_checks "converted in $took s: $pages pages, $(stat -c %s "$sheet") bytes; summary ends on page $summary_end"
