#!/usr/bin/env bash
# Installs everything the build and the tests need on Debian 12. Idempotent.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

packages=(
  cmake g++ make
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 wine64
  xvfb xauth x11-utils imagemagick
  fonts-wqy-microhei xfonts-wqy fonts-liberation locales
  chromium poppler-utils unzip
  libreoffice-writer-nogui
  libbenchmark-dev clang-14 libclang-rt-14-dev cppcheck time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# zh_CN for the dialog tests; en_US for the test on a Western system.
for locale in zh_CN en_US; do
  if ! locale -a 2>/dev/null | grep -qiE "^$locale\.utf-?8\$"; then
    $SUDO localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  fi
done
