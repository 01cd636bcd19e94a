#!/bin/sh
# package_test.sh CPACK CONFIG WORK_DIR PROBE RUNNER...
# Makes the zip as `--target package` does and checks it as a user gets it:
# its entries, README.txt for Notepad, and both programs started from it
# under RUNNER (Wine). PROBE is the test that opens, reads and closes the
# bracing.exe beside it; `bracing-check --help` must exit 0, in English.
set -e
cpack=$1 config=$2 work=$3 probe=$4
shift 4
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$work"
"$cpack" --config "$config" -B "$work" >/dev/null
zip=$(ls "$work"/bracing-*-win32.zip)
entries=$(unzip -Z1 "$zip")
for entry in bracing.exe bracing-check.exe examples/bays.csv examples/bays.expected.csv \
    examples/sections.csv examples/sections.expected.csv examples/stock.csv examples/stocked.csv \
    examples/stocked.expected.csv examples/bays-template.csv examples/bays-template.expected.csv \
    README.txt bracing-check.bat; do
  echo "$entries" | grep -qx "$entry" || fail "$zip has no $entry"
done
if echo "$entries" | LC_ALL=C grep -q '[^ -~]'; then fail "a name that is not ASCII"; fi

unzip -q "$zip" -d "$work/unpacked"
readme=$work/unpacked/README.txt
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no BOM"
for text in "$readme" "$work/unpacked/bracing-check.bat"; do
  if LC_ALL=C grep -qv "$(printf '\r')\$" "$text"; then fail "$text has a line without CRLF"; fi
done

# A Western system's display language: the help in English.
help=$("$@" "$work/unpacked/bracing-check.exe" --help) || fail "bracing-check --help exited $?"
case $help in
  *"Exit status:"*) ;;
  *) fail "bracing-check --help is not in English on a Western system" ;;
esac
cp "$probe" "$work/unpacked/"
"$@" "$work/unpacked/$(basename "$probe")"
