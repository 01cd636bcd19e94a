#!/bin/sh
# footprint.sh OBJDUMP MAX_BYTES PROGRAM...
# Each program must start on a bare Windows: it may import system DLLs only,
# never the compiler's runtime DLLs, and must stay small.
objdump=$1
max_bytes=$2
shift 2
status=0
for program in "$@"; do
  size=$(wc -c < "$program")
  imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  echo "$(basename "$program"): $size bytes, imports:" $imports
  for dll in $imports; do
    case $dll in
      kernel32.dll|user32.dll|gdi32.dll|msvcrt.dll) ;;
      *) echo "  FAIL: imports $dll, which a clean Windows does not have"; status=1 ;;
    esac
  done
  if [ "$size" -gt "$max_bytes" ]; then
    echo "  FAIL: $size bytes, more than $max_bytes"
    status=1
  fi
done
exit $status
