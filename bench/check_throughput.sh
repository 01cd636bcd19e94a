#!/usr/bin/env bash
# Rows per second of bracing-check on a million generated bays, and its
# peak memory (which must not grow with the row count).
# Usage: bench/check_throughput.sh [ROWS]
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-1000000}
cmake --preset native >/dev/null
cmake --build --preset native --target bracing-check >/dev/null
input=build/native/bays-$rows.csv
if [ ! -f "$input" ]; then
  awk -v rows="$rows" 'BEGIN {
    print "bay,H,B,n,T,W,A,i"
    for (r = 0; r < rows; r++)
      printf "bay %d,%d,%d,%d,%d,%d,%.1f,%.2f\n", r, 3 + r % 9, 4 + r % 7, 1 + r % 4, r % 30, 10 + r % 50, 5 + r % 20, 1 + (r % 300) / 100
  }' > "$input"
fi
start=$(date +%s.%N)
/usr/bin/time -f "%M" -o build/native/check-memory.txt build/native/bracing-check "$input" > /dev/null
end=$(date +%s.%N)
awk -v rows="$rows" -v s="$start" -v e="$end" -v kb="$(cat build/native/check-memory.txt)" 'BEGIN {
  printf "%d rows in %.2f s: %.0f rows/s, peak memory %.1f MB\n", rows, e - s, rows / (e - s), kb / 1024
}'
