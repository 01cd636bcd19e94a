#!/usr/bin/env bash
# Runs bracing-check with --report FILE.docx on an input, checks the package
# as Word reads it (check_package.py), converts it to PDF with LibreOffice
# and reads that back with poppler: texts that must (or must not) be there,
# "第 x 页 共 y 页" in each page's footer, the project and title in its
# header, and each bay's page starting a page of its own after the summary.
# White space and the isolates around typed text are ignored throughout.
#
# Usage: print_docx.sh PROGRAM INPUT SHEET.docx [OPTION]... --
#          [--text T]... [--absent T]... [--header T] [--bay HEADING]...
# Exit status 77 (a skipped test) when LibreOffice is not installed.
set -euo pipefail
here=$(dirname "$0")
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
mkdir -p "$(dirname "$sheet")"
rm -f "$sheet"
"$program" "${options[@]}" --report "$sheet" "$input" >/dev/null || status=$?
if [ "$status" -gt 1 ] || [ ! -s "$sheet" ]; then
  echo "FAIL: bracing-check --report exited with status $status" >&2
  exit 1
fi
python3 "$here/check_package.py" "$sheet"

if ! command -v soffice >/dev/null; then
  echo "soffice is not installed (scripts/install-deps.sh installs it): conversion check skipped"
  exit 77
fi
sheet=$(realpath "$sheet")
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

squeeze() { tr -d ' \t\r\n\f' | LC_ALL=C sed 's/\xE2\x81\xA8//g; s/\xE2\x81\xA9//g'; }
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
declare -a text head first
for ((p = 1; p <= pages; p++)); do
  page=$(pdftotext -layout -enc UTF-8 -f "$p" -l "$p" "$pdf" -)
  text[p]=$(printf '%s' "$page" | squeeze)
  # The header's line, then the page's own first line.
  head[p]=$(printf '%s\n' "$page" | awk 'NF { print; exit }' | squeeze)
  first[p]=$(printf '%s\n' "$page" | awk 'NF && ++n == 2 { print; exit }' | squeeze)
done
all=$(printf '%s' "${text[@]}")

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

summary_end=0
for ((p = 1; p <= pages; p++)); do
  case ${text[p]} in *行：*未读入*) [ "$summary_end" -gt 0 ] || summary_end=$p ;; esac
  case ${text[p]} in *"第${p}页共${pages}页") ;; *) fail "page $p does not end with \"第 $p 页 共 $pages 页\"" ;; esac
done
[ "$summary_end" -gt 0 ] || fail "no summary count (共 … 行：… 未读入 … 行)"

last_bay=$summary_end
while [ $# -gt 0 ]; do
  want=$(printf '%s' "$2" | squeeze)
  case $1 in
    --text) case $all in *"$want"*) ;; *) fail "not in the sheet: $2" ;; esac ;;
    --absent) case $all in *"$want"*) fail "in the sheet, and should not be: $2" ;; esac ;;
    --header)
      for ((p = 1; p <= pages; p++)); do
        case ${head[p]} in *"$want"*) ;; *) fail "page $p's header has no $2: ${head[p]}" ;; esac
      done
      ;;
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
echo "converted in $took s: $pages pages, $(stat -c %s "$sheet") bytes; summary ends on page $summary_end"
