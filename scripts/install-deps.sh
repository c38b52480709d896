#!/usr/bin/env bash
# Installs what building, running and testing Zelmora needs on Debian 12.
# Safe to run again: it installs only what is missing. The 32-bit Wine (and the i386
# architecture it comes from) only where the kernel runs 32-bit programs, or where
# ZELMORA_32BIT=yes asks for it; ZELMORA_32BIT=no leaves it out.
set -euo pipefail
# shellcheck source=lib/wine-env.sh
. "$(dirname "$0")/lib/wine-env.sh"

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi

case "${ZELMORA_32BIT:-}" in
yes) want32=yes ;;
no) want32= ;;
*) if zelmora_kernel_runs_32bit; then want32=yes; else want32=; fi ;;
esac
if [ -n "$want32" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi

pkgs=(cmake make g++ googletest
      g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
      g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
      wine wine64 fonts-wine ${want32:+wine32:i386}
      locales xvfb xdotool x11-utils imagemagick
      fp-utils python3-chm python3-pil nsis zip unzip python3 fonts-dejavu-core)
for p in "${pkgs[@]}"; do have "$p" || need+=("$p"); done

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  # A mirror caught mid-sync fails an index now and then ("File has unexpected size"): try
  # again a little later, and in the end install from the lists that did come, which fails
  # loudly if a package is really out of reach.
  retry() { # TRIES COMMAND...: COMMAND until it succeeds, with a growing pause between tries
    local tries="$1" attempt
    shift
    for attempt in $(seq "$tries"); do
      "$@" && return 0
      [ "$attempt" -lt "$tries" ] || return 1
      echo "$* failed (attempt $attempt), trying again"
      sleep $((attempt * 15))
    done
  }
  # A failed installation reads the lists again for the next try.
  install() {
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "$@" ||
      { $SUDO apt-get update -q || true; return 1; }
  }
  retry 4 $SUDO apt-get update -q || true
  if ! retry 3 install "${need[@]}"; then
    # Where the i386 archive is what failed, the 64-bit build can still be tested; the
    # scripts then say that the 32-bit Wine is missing. Asked for with ZELMORA_32BIT=yes,
    # it is a failure.
    [ -n "$want32" ] && [ "${ZELMORA_32BIT:-}" != yes ] || exit 1
    without32=()
    for p in "${need[@]}"; do [ "$p" = wine32:i386 ] || without32+=("$p"); done
    install "${without32[@]}" || exit 1
    echo "the 32-bit Wine could not be installed (see above): only the 64-bit build runs here until it is"
  fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  $SUDO sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen
fi
