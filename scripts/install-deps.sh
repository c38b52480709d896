#!/usr/bin/env bash
# Installs what building, running and testing Zelmora needs on Debian 12.
# Safe to run again: it installs only what is missing. Both Wines are installed on every
# machine; where the kernel runs no 32-bit code the 32-bit one is there but cannot start.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  updated=
fi

pkgs=(cmake make g++ googletest
      g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
      g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
      wine wine32:i386 wine64 fonts-wine
      locales xvfb xdotool x11-utils imagemagick
      fp-utils python3-chm python3-pil nsis zip unzip python3 fonts-dejavu-core)
for p in "${pkgs[@]}"; do have "$p" || need+=("$p"); done

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  $SUDO sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen
fi
