#!/usr/bin/env bash
# Time from starting bracing.exe under Wine to its main dialog showing,
# against a one-button dialog built the same way, in the same run.
# Usage: bench/startup.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target bracing minimal_dialog startup_probe >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" \
  cmake/wine-run.sh "$PWD/build/win32/wineprefix" build/win32/startup_probe.exe "$rounds" \
  bracing.exe minimal_dialog.exe
