#!/usr/bin/env bash
# Rows per second of bracing-check on a million generated bays, and its
# peak memory, which must not grow with the row count.
# Usage: bench/check_throughput.sh [ROWS]     (default 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-1000000}
cmake --preset native >/dev/null
cmake --build --preset native --target bracing-check >/dev/null

# Every tenth bay name is quoted, with a comma and Chinese in it, so the
# quoting paths are timed too.
input=build/native/throughput-$rows.csv
if [ ! -f "$input" ]; then
  awk -v rows="$rows" 'BEGIN {
    print "bay,H,B,n,T,W,A,i"
    for (r = 0; r < rows; r++) {
      name = (r % 10 == 0) ? sprintf("\"%d, 端跨\"", r) : sprintf("bay %d", r)
      printf "%s,%d,%d,%d,%d,%d,%.1f,%.2f\n", name, 3 + r % 9, 4 + r % 7, 1 + r % 4, r % 30, 10 + r % 50, 5 + r % 20, 1 + (r % 300) / 100
    }
  }' > "$input.part"
  mv "$input.part" "$input"
fi

output=build/native/throughput-$rows.out.csv
memory=build/native/check-memory.txt
start=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$memory" build/native/bracing-check "$input" > "$output"
end=$(date +%s.%N)

written=$(($(wc -l < "$output") - 1))
rm -f "$output"
if [ "$written" -ne "$rows" ]; then
  echo "bracing-check wrote $written rows of $rows" >&2
  exit 1
fi
awk -v rows="$rows" -v s="$start" -v e="$end" -v kb="$(cat "$memory")" 'BEGIN {
  printf "%d rows in %.2f s: %.0f rows/s, peak memory %.1f MB\n", rows, e - s, rows / (e - s), kb / 1024
}'
