#!/usr/bin/env bash
# Builds the typed-text fuzzer with clang and runs it for a bounded time on
# the seed corpus. Exits non-zero on any crash, sanitizer report or
# mismatch; the input that caused it is left in build/fuzz/.
#   bash fuzz/run.sh [seconds]     (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
out=build/fuzz
mkdir -p "$out/corpus" "$out/seeds"

cmake --preset fuzz > /dev/null
cmake --build --preset fuzz --target typed_text_fuzzer > /dev/null
cp build/fuzz-build/typed_text_fuzzer "$out/"

# The long paste seeds are generated rather than committed: 30 000 nines,
# and a 30 000-character decimal that is 1 in its last digit.
printf '9%.0s' $(seq 1 30000) > "$out/seeds/long_nines"
{ printf '0.'; printf '0%.0s' $(seq 1 29997); printf '1'; } > "$out/seeds/long_small"

# New inputs go to the first directory, so the committed seeds stay as they are.
"$out/typed_text_fuzzer" \
  -max_total_time="$seconds" \
  -max_len=32768 \
  -timeout=10 \
  -rss_limit_mb=2048 \
  -dict=fuzz/number.dict \
  -artifact_prefix="$out/" \
  -print_final_stats=1 \
  "$out/corpus" fuzz/corpus "$out/seeds"
