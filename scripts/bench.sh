#!/usr/bin/env bash
# Builds the program and its benchmarks and prints the measured figures: start-up against
# the floor programs, the keystroke against the reads a recalculation needs, and the exe's
# size and imports. Runs under Wine on a virtual display of its own.
# The floors: bench_bare (one window), bench_skeleton (the 112 controls and the menu bar,
# nothing else) and bench_literal (every start-up call the program must make, made
# literally, none of the program's savings): the program's yardstick is bench_literal.
#   scripts/bench.sh [BUILD_DIR] [START_RUNS]
# It measures the build this machine runs: the shipped 32-bit one where it runs 32-bit
# programs, the 64-bit one where it does not, and labels every figure with it.
# "steps" lines break the program's start-up down: from process creation to main, then
# each start-up step, then the first messages (the first paint) until the queue is empty.
# "requests" lines count the wineserver round trips of each step of the program and of the
# skeleton, from a server trace: unlike the times they are the same on every run.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(mkdir -p "${1:-$top/build}" && cd "${1:-$top/build}" && pwd)"
runs="${2:-31}"
"$top/scripts/build.sh" "$build" >/dev/null
# shellcheck source=lib/wine-env.sh
. "$top/scripts/lib/wine-env.sh"
zelmora_runnable_build "$build"
echo "$ZELMORA_MACHINE"
echo "== figures of the $ZELMORA_BUILD build ($([ "$ZELMORA_BUILD" = win32 ] && echo "the shipped 32-bit program" || echo "64-bit, under 64-bit Wine"))"

exe="$ZELMORA_DIST/bin/zelmora.exe"
programs="$ZELMORA_CROSS/programs"
echo "== size"
for built in win32 win64; do
  shipped="$build/dist/bin/zelmora.exe" objdump=i686-w64-mingw32-objdump
  [ "$built" = win64 ] && shipped="$build/dist-win64/bin/zelmora.exe" objdump=x86_64-w64-mingw32-objdump
  size=$(stat -c %s "$shipped")
  echo "$built zelmora.exe: $size bytes = $(( (size + 1023) / 1024 )) KB$([ "$built" = win32 ] && echo " (aim: under 64 KB)")"
  echo "$built imports: $($objdump -p "$shipped" | sed -n 's/^\tDLL Name: //p' | paste -sd' ')"
done

# A prefix of its own, so that a test run on the same build is not disturbed.
session="$build/bench-session"
prefix="$build/bench-prefix-$ZELMORA_BUILD"
"$top/scripts/lib/wine-session.sh" start "$session" "$prefix" "$ZELMORA_BUILD" >/dev/null
trap '"$top/scripts/lib/wine-session.sh" stop "$session" >/dev/null' EXIT
# shellcheck disable=SC1091
. "$session/env"
windows() { echo "Z:${1//\//\\}"; }
echo "== start-up, $ZELMORA_BUILD ($runs runs each, interleaved)"
timeout 900 wine "$(windows "$programs/startbench.exe")" "$runs" "$(windows "$programs/bench_bare.exe")" \
  "$(windows "$programs/bench_skeleton.exe")" "$(windows "$programs/bench_literal.exe")" "$(windows "$exe")" \
  </dev/null | tr -d '\r'
echo "(aim: zelmora.exe / bench_literal.exe at most 1)"
echo "== keystroke, $ZELMORA_BUILD"
timeout 900 wine "$(windows "$programs/keybench.exe")" </dev/null | tr -d '\r'
echo "== start-up steps of the program, $ZELMORA_BUILD, milliseconds (5 fresh processes)"
for _ in 1 2 3 4 5; do
  timeout 120 wine "$(windows "$programs/stepbench.exe")" </dev/null | tr -d '\r'
done
echo "== wineserver requests of the start-up steps, $ZELMORA_BUILD (stepbench.exe against bench_literal.exe and bench_skeleton.exe once)"
"$top/scripts/lib/wine-session.sh" stop "$session" >/dev/null
# Each traced program runs first in a session of its own: the server only traces for a
# client that asks for it before others have come and gone. It writes the trace when it ends.
trace_requests() {  # LABEL PROGRAM [ARGUMENT]: the program's server trace, in build/requests-LABEL.log
  local label="$1" program="$2"
  shift 2
  "$top/scripts/lib/wine-session.sh" start "$session" "$prefix" "$ZELMORA_BUILD" >/dev/null
  # (Its own error output must not be /dev/null: Wine then asks the server for no trace.)
  WINEDEBUG=+server timeout 120 wine "$(windows "$programs/$program")" "$@" </dev/null >/dev/null \
    2>"$build/requests-$label.stderr" || true
  "$top/scripts/lib/wine-session.sh" stop "$session" >/dev/null
  cp "$session/start.log" "$build/requests-$label.log"
}
trace_requests zelmora stepbench.exe
trace_requests bench_literal bench_literal.exe once
trace_requests bench_skeleton bench_skeleton.exe once
python3 "$top/tools/bench/server_requests.py" "zelmora=$build/requests-zelmora.log" \
  "bench_literal=$build/requests-bench_literal.log" "bench_skeleton=$build/requests-bench_skeleton.log"
