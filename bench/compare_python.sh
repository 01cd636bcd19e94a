#!/usr/bin/env bash
# Processor time of bracing-check against bench/bracing_check.py on the same
# bays with A and i (goal: 0.10 or less), both run alternately so that a
# busy machine weighs on both alike; the outputs must be the same bytes.
# Usage: bench/compare_python.sh [ROWS [RUNS]]     (default 200000 5)
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-200000}
runs=${2:-5}
# Builds bracing-check and writes the input.
bench/check_throughput.sh "$rows" >/dev/null
input=build/native/throughput-$rows-0.csv
times=build/native/compare-times.txt
: > "$times"
for ((run = 0; run < runs; run++)); do
  for program in "build/native/bracing-check" "python3 bench/bracing_check.py"; do
    /usr/bin/time -a -o "$times" -f "$program %U %S" $program "$input" > "build/native/compare-${program##*/}.csv"
  done
done
if ! cmp -s build/native/compare-bracing-check.csv build/native/compare-bracing_check.py.csv; then
  echo "the outputs differ" >&2
  exit 1
fi
rm -f build/native/compare-*.csv
# Medians of user + system time per program.
python3 - "$times" <<'PY'
import statistics, sys
cpu = {}
for line in open(sys.argv[1]):
    *program, user, system = line.split()
    cpu.setdefault(program[0], []).append(float(user) + float(system))
c, py = (statistics.median(cpu[p]) for p in ("build/native/bracing-check", "python3"))
print(f"bracing-check {c:.3f} s, Python {py:.3f} s of processor time "
      f"(medians of {len(cpu['python3'])}): ratio {c / py:.3f}")
PY
