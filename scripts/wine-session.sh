#!/usr/bin/env bash
# Starts or stops what the Wine tests share: a 32-bit prefix, a virtual X display when
# there is none, and a wineserver kept alive for the whole run.
#   wine-session.sh start SESSION_DIR PREFIX_DIR [KEEPER.exe]
#   wine-session.sh stop SESSION_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
action="$1"
session="$2"

start_quietly() {
  local prefix="$1" keeper="${2:-}" display="${ZELMORA_DISPLAY:-}"
  "$here/wine-prefix.sh" "$prefix"
  # A wineserver left over from an interrupted run keeps its desktop on the old display.
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
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
export DISPLAY="$display"
export WINEPREFIX="$prefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export LC_ALL=ru_RU.UTF-8
ENV
  # shellcheck disable=SC1091
  . "$session/env"
  wineserver -p
  # Start Wine's desktop and services now, with this log as their output.
  if [ -n "$keeper" ] && [ -f "$keeper" ]; then
    wine "$keeper" &
    echo $! >"$session/keeper.pid"
  fi
  wine cmd /c exit || true
  echo "Wine session on display $display, prefix $prefix"
}

case "$action" in
start)
  mkdir -p "$session"
  # What starts here outlives this script: none of it may hold the caller's output open,
  # or ctest waits for it forever. So it all writes to a log, shown afterwards.
  status=0
  start_quietly "$3" "${4:-}" </dev/null >"$session/start.log" 2>&1 || status=$?
  cat "$session/start.log"
  exit "$status"
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
  echo "usage: $0 start|stop SESSION_DIR [PREFIX_DIR]" >&2
  exit 2
  ;;
esac
