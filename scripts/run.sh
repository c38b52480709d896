#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zelmora under Wine on your display.
# With no display it shows what the program does on a virtual one instead: it types a few
# durations with real keystrokes, saves a screenshot, prints the totals read back from the
# window, and closes it. Where the machine runs no 32-bit programs (a kernel without IA-32
# emulation), it runs the 64-bit build of the same sources, and says so.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$top/build"
"$top/scripts/build.sh" "$build" >/dev/null
# shellcheck source=lib/wine-env.sh
. "$top/scripts/lib/wine-env.sh"
zelmora_runnable_build "$build"
if [ "$ZELMORA_BUILD" = win64 ]; then
  echo "This machine runs no 32-bit programs (kernel without IA-32 emulation): running the 64-bit build, $ZELMORA_DIST/bin/zelmora.exe."
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  "$top/scripts/wine-prefix.sh" "$build/wineprefix-run-$ZELMORA_BUILD" plain "$ZELMORA_BUILD"
  zelmora_wine_env "$ZELMORA_BUILD" "$build/wineprefix-run-$ZELMORA_BUILD"
  exec wine "$ZELMORA_DIST/bin/zelmora.exe"
fi

# shellcheck source=lib/virtual-session.sh
. "$top/scripts/lib/virtual-session.sh" "$build/demo-session" wineprefix-demo "$build"

echo "No display: running Zelmora on a virtual one ($DISPLAY)."
zelmora_start
echo "Typing 03:45, 04:30 and 10:00 (marked blue with Ctrl+B), 59:59 in the next column (red, Ctrl+R)."
zelmora_keys 0 3 4 5 0 4 3 0 1 0 0 0 Up ctrl+b Next 5 9 5 9 Up ctrl+r
shot="$build/zelmora-demo.png"
zelmora_screenshot "$shot"
/usr/bin/convert "$shot" -crop 1024x768+0+0 +repage "$shot"
read -r white blue red grand c1 c2 c3 c4 <<<"$(zelmora_read totals)"
cat <<TOTALS
Totals read back from the window:
  white sum   $white
  blue sum    $blue
  red sum     $red
  grand total $grand
  columns     $c1  $c2  $c3  $c4
Screenshot: $shot
TOTALS
code=0
zelmora_close || code=$?
echo "Closed with Alt+F4, exit code $code."
