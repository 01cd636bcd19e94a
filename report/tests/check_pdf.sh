# Sourced by the print tests of each format of the calc sheet: reads the
# PDF back with poppler and checks it as a reader would. White space, and
# the isolates around text from the input, are ignored: pdftotext drops
# the one around Chinese and keeps the other.
#
#   write_sheet PROGRAM INPUT SHEET [OPTION]... -- CHECK...
#                               runs PROGRAM --report SHEET; `sheet` is its
#                               full name after, `checks` the CHECKs
#   read_pdf PDF HEADER_LINES   HEADER_LINES: lines of a running header
#                               above each page's own first line
#   check_pages [--text T]... [--absent T]... [--header T]... [--bay HEADING]...
#               [--one-page HEADING]...   a bay that starts a page and ends on it
#   end_checks MESSAGE          exits 1 after any failure, else says MESSAGE

write_sheet() {
  local program=$1 input=$2 status=0
  local options=()
  sheet=$3
  shift 3
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    options+=("$1")
    shift
  done
  shift
  checks=("$@")
  mkdir -p "$(dirname "$sheet")"
  rm -f "$sheet"
  "$program" "${options[@]}" --report "$sheet" "$input" >/dev/null || status=$?
  if [ "$status" -gt 1 ] || [ ! -s "$sheet" ]; then
    echo "FAIL: bracing-check --report exited with status $status" >&2
    exit 1
  fi
  sheet=$(realpath "$sheet")
}

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
squeeze() { tr -d ' \t\r\n\f' | LC_ALL=C sed 's/\xE2\x81\xA8//g; s/\xE2\x81\xA9//g'; }

read_pdf() {
  local pdf=$1 skip=$2 page p
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
  declare -ga text head first
  for ((p = 1; p <= pages; p++)); do
    page=$(pdftotext -layout -enc UTF-8 -f "$p" -l "$p" "$pdf" -)
    text[p]=$(printf '%s' "$page" | squeeze)
    # awk reads to the end: leaving early would stop printf with SIGPIPE,
    # and pipefail would end the test for nothing.
    head[p]=$(printf '%s\n' "$page" | awk 'NF && ++n == 1' | squeeze)
    first[p]=$(printf '%s\n' "$page" | awk -v line="$((skip + 1))" 'NF && ++n == line' | squeeze)
  done
  all=$(printf '%s' "${text[@]}")
}

# Every page numbered "第 x 页 共 y 页"; the summary's count on some page,
# `summary_end` the first; then the checks asked for, each bay's heading
# starting a page after the one before; a page that starts with neither a
# bay's nor the closing's heading goes on from the page before.
check_pages() {
  local p want found last_bay
  summary_end=0
  for ((p = 1; p <= pages; p++)); do
    case ${text[p]} in *行：*未读入*) [ "$summary_end" -gt 0 ] || summary_end=$p ;; esac
    case ${text[p]} in *"第${p}页共${pages}页"*) ;; *) fail "page $p has no \"第 $p 页 共 $pages 页\"" ;; esac
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
      --bay | --one-page)
        found=0
        for ((p = last_bay + 1; p <= pages; p++)); do
          case ${first[p]} in "$want"*) found=$p; break ;; esac
        done
        if [ "$found" -eq 0 ]; then
          fail "no page after page $last_bay starts with: $2"
        else
          last_bay=$found
          if [ "$1" = --one-page ] && [ "$found" -lt "$pages" ]; then
            case ${first[found + 1]} in 柱撑* | 适用范围*) ;; *) fail "$2 goes on to page $((found + 1))" ;; esac
          fi
        fi
        ;;
      *) echo "unknown argument $1" >&2; exit 2 ;;
    esac
    shift 2
  done
}

end_checks() {
  local p
  if [ "$failures" -gt 0 ]; then
    for ((p = 1; p <= pages; p++)); do echo "--- page $p: ${text[p]:0:400}" >&2; done
    exit 1
  fi
  echo "$1"
}
