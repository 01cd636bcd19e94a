#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test.
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== native: core and plain logic"
cmake --preset native
cmake --build --preset native
ctest --preset native

echo "== win32: the program and its tests under Wine"
cmake --preset win32
cmake --build --preset win32
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win32

echo "== sanitize: native tests under ASan and UBSan"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
echo "== fuzz: 30 s over text to number, the calculation and the texts"
bash fuzz/run.sh
echo "== fuzz: 20 s over the CSV path: decoding, reading, checking"
bash fuzz/run_csv.sh
echo "== cppcheck"
bash scripts/cppcheck.sh
