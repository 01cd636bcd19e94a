#!/usr/bin/env bash
# Time from starting bracing.exe under Wine to its main dialog showing,
# against two yardsticks built the same way, in the same run: a one-button
# dialog, and the calculator's own template under a procedure that does
# nothing (so what is left is the program's own start-up work).
# Usage: bench/startup.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target bracing minimal_dialog template_dialog startup_probe >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" \
  cmake/wine-run.sh "$PWD/build/win32/wineprefix" build/win32/startup_probe.exe "$rounds" \
  bracing.exe minimal_dialog.exe template_dialog.exe
