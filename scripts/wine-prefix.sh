#!/usr/bin/env bash
# Makes a quiet Wine prefix for the program, once:
#   - Wine's own fonts (package fonts-wine) in the prefix's Fonts folder, where Debian's Wine
#     does not look for them otherwise: "MS Sans Serif", "Tahoma", "Marlett" and "Symbol" then
#     resolve to themselves instead of a substitute;
#   - of those, a "Symbol" whose character map the Windows way draws "S" as a capital sigma;
#   - unless "plain" is given, every program runs in a virtual desktop, which draws real
#     window frames and takes keys on a display without a window manager.
#   wine-prefix.sh PREFIX_DIR [desktop|plain] [win32|win64]
# The build is the prefix's architecture: win32 (the shipped program) where this machine runs
# 32-bit programs, otherwise win64, unless told.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$1"
mode="${2:-desktop}"
# shellcheck source=lib/wine-env.sh
. "$here/lib/wine-env.sh"
if [ -n "${3:-}" ]; then
  build="$3"
else
  zelmora_decide_machine
  build="${ZELMORA_SUITES%% *}"
fi
if [ -f "$prefix/.zelmora-ready" ]; then
  made="$(cat "$prefix/.zelmora-ready")"
  [ "${made:-win32}" = "$build" ] && exit 0
  echo "$prefix is a ${made:-win32} prefix, not $build: give another folder" >&2
  exit 1
fi

zelmora_wine_env "$build" "$prefix"
unset DISPLAY
mkdir -p "$prefix"
# The 64-bit wineboot also tries the 32-bit half of a prefix and says it failed where no
# 32-bit program runs; the prefix is whole without it, which the checks below see.
wine wineboot -i </dev/null >"$prefix/wineboot.log" 2>&1 || true
wineserver -w
if ! [ -f "$prefix/system.reg" ] || ! wine cmd /c exit </dev/null >>"$prefix/wineboot.log" 2>&1; then
  echo "Wine ($WINELOADER) could not make a $build prefix in $prefix:" >&2
  tail -5 "$prefix/wineboot.log" >&2
  exit 1
fi
if [ "$mode" = desktop ]; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
fi
fonts="$prefix/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/* "$fonts/"
python3 "$here/../tools/symbol_font.py" /usr/share/wine/fonts/symbol.ttf "$fonts/symbol.ttf"
wineserver -w
echo "$build" >"$prefix/.zelmora-ready"
