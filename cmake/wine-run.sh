#!/bin/sh
# Runs a Windows program under Wine:
#   wine-run.sh [--locale NAME] PREFIX PROGRAM [ARGS...]
# The locale (zh_CN.UTF-8 unless named) sets the system code page the
# program sees. Programs in one prefix share its desktop and focus, so a
# test in another locale gets a prefix of its own.
# The prefix is made on first use, in a virtual desktop so that focus and
# activation work without a window manager. Without a display, the prefix
# gets an Xvfb of its own, shared by every program run in it, which goes
# once no Wine server is left running. Exit status is the program's.
set -e
locale=zh_CN.UTF-8
if [ "$1" = --locale ]; then
  locale=$2
  shift 2
fi
prefix=$1
shift
case $prefix in
  /*) ;;
  *) prefix=$PWD/$prefix ;;
esac

export WINEPREFIX="$prefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL="$locale"

start_own_display() {
  (
    flock 8
    if [ -f "$WINEPREFIX.display" ]; then
      read -r number pid < "$WINEPREFIX.display"
      if kill -0 "$pid" 2>/dev/null; then
        exit 0
      fi
    fi
    number=90
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
      number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp \
      </dev/null >/dev/null 2>&1 8>&- &
    xvfb=$!
    echo "$number $xvfb" > "$WINEPREFIX.display"
    (
      sleep 20
      while pgrep "^wineserver" >/dev/null; do sleep 5; done
      kill "$xvfb"
    ) </dev/null >/dev/null 2>&1 8>&- &
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$number" ] && break
      sleep 0.1
    done
  ) 8>"$WINEPREFIX.display.lock"
  read -r number _ < "$WINEPREFIX.display"
  export DISPLAY=":$number"
}

mkdir -p "$(dirname "$WINEPREFIX")"
if [ -z "${DISPLAY:-}" ]; then
  start_own_display
fi

if [ ! -f "$WINEPREFIX/.bracing-ready" ]; then
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.bracing-ready" ]; then
      wineboot -i >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.bracing-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec wine "$@"
