#!/usr/bin/env bash
# Makes a quiet 32-bit Wine prefix for the program, once:
#   - Wine's own fonts (package fonts-wine) in the prefix's Fonts folder, where Debian's Wine
#     does not look for them otherwise: "MS Sans Serif", "Tahoma", "Marlett" and "Symbol" then
#     resolve to themselves instead of a substitute;
#   - of those, a "Symbol" whose character map the Windows way draws "S" as a capital sigma;
#   - unless "plain" is given, every program runs in a virtual desktop, which draws real
#     window frames and takes keys on a display without a window manager.
#   wine-prefix.sh PREFIX_DIR [plain]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$1"
mode="${2:-desktop}"
[ -f "$prefix/.zelmora-ready" ] && exit 0

export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export LC_ALL=ru_RU.UTF-8
unset DISPLAY
mkdir -p "$prefix"
wineboot -i </dev/null >/dev/null 2>&1
if [ "$mode" = desktop ]; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
fi
fonts="$prefix/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/* "$fonts/"
python3 "$here/../tools/symbol_font.py" /usr/share/wine/fonts/symbol.ttf "$fonts/symbol.ttf"
wineserver -w
touch "$prefix/.zelmora-ready"
