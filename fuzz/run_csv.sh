#!/usr/bin/env bash
# Builds the CSV-path fuzzer with clang and runs it for a bounded time on
# the seed corpus: random bytes through the decoder, the reader and the
# checker. Exits non-zero on any crash, sanitizer report or broken output;
# the input that caused it is left in build/fuzz-csv/.
#   bash fuzz/run_csv.sh [seconds]     (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-20}"
out=build/fuzz-csv
mkdir -p "$out/corpus"

cmake --preset fuzz > /dev/null
cmake --build --preset fuzz --target csv_check_fuzzer > /dev/null
cp build/fuzz-build/csv_check_fuzzer "$out/"

# New inputs go to the first directory, so the committed seeds stay as they are.
"$out/csv_check_fuzzer" \
  -max_total_time="$seconds" \
  -max_len=4096 \
  -timeout=10 \
  -rss_limit_mb=2048 \
  -artifact_prefix="$out/" \
  -print_final_stats=1 \
  "$out/corpus" fuzz/csv_corpus
