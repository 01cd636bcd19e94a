#!/usr/bin/env bash
# Rows per second of bracing-check on generated bays, and its peak memory,
# which must not grow with the row count.
# Usage: bench/check_throughput.sh [--sized] [ROWS...]
#   default: a million bays with A and i, the dialog's fifteen results;
#   --sized: 100 000 and a million bays with empty section cells, both
#   design cases sized (goal: 100 000 bays/s or more, memory flat).
set -euo pipefail
cd "$(dirname "$0")/.."
sized=0
if [ "${1:-}" = --sized ]; then
  sized=1
  shift
fi
if [ $# -eq 0 ]; then
  if [ $sized -eq 1 ]; then set -- 100000 1000000; else set -- 1000000; fi
fi
cmake --preset native >/dev/null
cmake --build --preset native --target bracing-check >/dev/null

for rows in "$@"; do
  # Every tenth bay name is quoted, with a comma and Chinese in it, so the
  # quoting paths are timed too. Sized bays span light to heavy loads and
  # every grade; a few are too heavy for any angle.
  input=build/native/throughput-$rows-$sized.csv
  if [ ! -f "$input" ]; then
    awk -v rows="$rows" -v sized="$sized" 'BEGIN {
      split("Q235 Q355 Q345B", grades, " ")
      print sized ? "bay,H,B,n,T,W,section,grade" : "bay,H,B,n,T,W,A,i"
      for (r = 0; r < rows; r++) {
        name = (r % 10 == 0) ? sprintf("\"%d, 端跨\"", r) : sprintf("bay %d", r)
        trial = sized ? sprintf(",%s", grades[1 + r % 3]) : sprintf("%.1f,%.2f", 5 + r % 20, 1 + (r % 300) / 100)
        wind = (sized && r % 997 == 0) ? 30000 : 10 + (r % 50) * (1 + sized * (r % 7))
        printf "%s,%d,%d,%d,%d,%d,%s\n", name, 3 + r % 9, 4 + r % 7, 1 + r % 4, r % 30, wind, trial
      }
    }' > "$input.part"
    mv "$input.part" "$input"
  fi

  output=build/native/throughput-$rows.out.csv
  memory=build/native/check-memory.txt
  start=$(date +%s.%N)
  /usr/bin/time -f "%U %S %M" -o "$memory" build/native/bracing-check "$input" > "$output"
  end=$(date +%s.%N)

  written=$(($(wc -l < "$output") - 1))
  rm -f "$output"
  if [ "$written" -ne "$rows" ]; then
    echo "bracing-check wrote $written rows of $rows" >&2
    exit 1
  fi
  # Processor time too: on a machine busy with other work, the wall clock
  # says more about the others.
  read -r user system kb < "$memory"
  awk -v rows="$rows" -v s="$start" -v e="$end" -v user="$user" -v sys="$system" -v kb="$kb" 'BEGIN {
    cpu = user + sys
    printf "%d bays in %.2f s: %.0f bays/s (%.2f s of processor time: %.0f bays/s), peak memory %.1f MB\n",
      rows, e - s, rows / (e - s), cpu, rows / cpu, kb / 1024
  }'
done
