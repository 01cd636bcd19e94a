#!/usr/bin/env bash
# Time and peak memory of bracing-check writing the calc sheet for 1 000
# bays (goal: under 2 s and 25 MB), and again for 10 000 to show that the
# memory does not grow with the number of bays.
# Usage: bench/sheet_throughput.sh [BAYS...]     (default 1000 10000)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native --target bracing-check >/dev/null
program=build/native/bracing-check
if ! "$program" --help | grep -q -- --report; then
  echo "this bracing-check has no --report yet" >&2
  exit 1
fi

# Every third bay is sized, the others carry an angle; a few are refused.
for bays in "${@:-1000 10000}"; do
  for count in $bays; do
    input=build/native/sheet-bench-$count.csv
    awk -v rows="$count" 'BEGIN {
      split("L63x6 L75x8 L90x8 L110x10 L125x12 L140x14", angles, " ")
      print "bay,H,B,n,T,W,section,grade"
      for (r = 0; r < rows; r++) {
        section = (r % 3 == 0) ? "" : angles[1 + r % 6]
        grade = (r % 4 == 0) ? "Q355" : "Q235"
        height = (r % 97 == 0) ? 0 : 3 + r % 9
        printf "\"%d, 跨 <%d>\",%d,%d,%d,%d,%d,%s,%s\n", r, r % 7, height, 4 + r % 7, 1 + r % 4, r % 30, 10 + r % 50, section, grade
      }
    }' > "$input"
    sheet=build/native/sheet-bench-$count.html
    memory=build/native/sheet-bench-memory.txt
    start=$(date +%s.%N)
    status=0
    /usr/bin/time -f "%M" -o "$memory" "$program" --report "$sheet" "$input" >/dev/null || status=$?
    end=$(date +%s.%N)
    pages=$(grep -c '<section class="bay"' "$sheet" || true)
    awk -v bays="$count" -v pages="$pages" -v status="$status" -v s="$start" -v e="$end" \
        -v kb="$(tail -n 1 "$memory")" -v bytes="$(wc -c < "$sheet")" 'BEGIN {
      printf "%6d bays: %.2f s, peak memory %.1f MB, sheet %.1f MB, %d bay pages, exit status %d\n",
        bays, e - s, kb / 1024, bytes / 1048576, pages, status
    }'
    rm -f "$input" "$sheet"
  done
done
