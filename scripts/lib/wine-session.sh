#!/usr/bin/env bash
# Starts or stops what the Wine tests of one build share: a prefix of that build's
# architecture, a virtual X display when there is none, and a wineserver kept alive for the
# whole run.
#   wine-session.sh start SESSION_DIR PREFIX_DIR win32|win64 [KEEPER.exe]
#   wine-session.sh stop SESSION_DIR
# The start fails, saying why, when Wine cannot start a program there: every test after it
# would fail anyway, and for a reason that none of them names.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
action="$1"
session="$2"

start_quietly() {
  local prefix="$1" build="$2" keeper="${3:-}" display="${ZELMORA_DISPLAY:-}"
  "$here/../wine-prefix.sh" "$prefix" desktop "$build"
  # shellcheck source=wine-env.sh
  . "$here/wine-env.sh"
  zelmora_wine_env "$build" "$prefix"
  # A wineserver left over from an interrupted run keeps its desktop on the old display.
  wineserver -k 2>/dev/null || true
  if [ -f "$session/xvfb.pid" ]; then
    kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    rm -f "$session/xvfb.pid"
  fi
  if [ -z "$display" ]; then
    # A display of our own, so tests never type into the user's windows.
    for n in $(seq 90 140); do
      { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
      display=":$n"; break
    done
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$session/xvfb.log" 2>&1 &
    echo $! >"$session/xvfb.pid"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  fi
  cat >"$session/env" <<ENV
. "$here/wine-env.sh"
zelmora_wine_env $build "$prefix"
export DISPLAY="$display"
export ZELMORA_BUILD=$build
ENV
  # shellcheck disable=SC1091
  . "$session/env"
  wineserver -p
  # Start Wine's desktop and services now, with this log as their output.
  if [ -n "$keeper" ]; then
    [ -f "$keeper" ] || { echo "no $keeper: build first"; return 1; }
    wine "$keeper" &
    echo $! >"$session/keeper.pid"
  fi
  if ! wine cmd /c exit; then
    echo "Wine ($WINELOADER) cannot start a program in the $build prefix $prefix"
    return 1
  fi
  echo "Wine session ($build) on display $display, prefix $prefix"
}

case "$action" in
start)
  mkdir -p "$session"
  # What starts here outlives this script: none of it may hold the caller's output open,
  # or ctest waits for it forever. So it all writes to a log, shown afterwards. It runs as
  # a process of its own, where a failed command still ends it.
  status=0
  "$0" start-quietly "$session" "$3" "$4" "${5:-}" </dev/null >"$session/start.log" 2>&1 || status=$?
  cat "$session/start.log"
  [ "$status" = 0 ] || echo "The Wine session did not start (exit $status): see the lines above."
  exit "$status"
  ;;
start-quietly)
  start_quietly "$3" "$4" "${5:-}"
  ;;
stop)
  if [ -f "$session/env" ]; then
    # shellcheck disable=SC1091
    . "$session/env"
    wineserver -k </dev/null >/dev/null 2>&1 || true
  fi
  if [ -f "$session/xvfb.pid" ]; then
    kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    rm -f "$session/xvfb.pid"
  fi
  echo "Wine session stopped"
  ;;
*)
  echo "usage: $0 start SESSION_DIR PREFIX_DIR win32|win64 [KEEPER.exe] | stop SESSION_DIR" >&2
  exit 2
  ;;
esac
