#!/usr/bin/env bash
# Another program at the shipped zelmora.exe: cell texts set from outside, as automation tools
# set fields, with the user typing on; then a hostile neighbour's seeded stream of messages,
# checked after every one (ZELMORA_NEIGHBOUR_SEED, ZELMORA_NEIGHBOUR_MESSAGES: 20,000 by default).
set -euo pipefail
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
neighbour="$ZELMORA_PROBES/neighbour.exe"
out="$ZELMORA_SESSION/neighbour"
mkdir -p "$out"

zelmora_start "$out/zelmora.log"
trap 'wait_for_exit "$ZELMORA_PID" 50 || kill "$ZELMORA_PID" 2>/dev/null || true' EXIT
settext() { timeout 30 wine "$neighbour" settext "$1" "$2" </dev/null 2>/dev/null | tr -d '\r'; }
totals() { zelmora_read totals | cut -d' ' -f1,4,5,6; }

# Track 1 typed up to its seconds; then a tool writes track 15, and track 1 itself: the totals
# follow, and track 1 keeps its selected digit, so the user's next keys land where they would have.
zelmora_keys 0 3
expect "typed: track 1, the tens of seconds selected" "03:00 101 3 4" \
  "$(zelmora_read cells | cut -d' ' -f1) $(zelmora_read focus) $(zelmora_read selection)"
expect "track 15 set from outside" "1" "$(settext 115 12:34)"
expect "the totals follow" "0015:34 0015:34 003:00 012:34" "$(totals)"
expect "the focused track set from outside" "1" "$(settext 101 07:30)"
expect "its digit stays selected" "07:30 101 3 4" \
  "$(zelmora_read cells | cut -d' ' -f1) $(zelmora_read focus) $(zelmora_read selection)"
expect "a text that is no duration is refused" "0 00:00" "$(settext 116 61:00) $(zelmora_read cells | cut -d' ' -f16)"
expect "a total takes no text from outside" "0" "$(settext 305 999:99)"
zelmora_keys 4 5
expect "the user's keys go on" "07:45 12:34 102" "$(zelmora_read cells | cut -d' ' -f1,15) $(zelmora_read focus)"
expect "and the totals with them" "0020:19 0020:19 007:45 012:34" "$(totals)"

# The stream: every message number below WM_USER that carries no pointer and does not end the
# window, numbers of the classes' own ranges, and texts, with random parameters.
code=0
timeout 850 wine "$neighbour" stream "${ZELMORA_NEIGHBOUR_SEED:-20261208}" "${ZELMORA_NEIGHBOUR_MESSAGES:-20000}" \
  </dev/null 2>/dev/null | tr -d '\r' >"$out/stream.txt" || code=$?
cat "$out/stream.txt"
expect "the stream: every check held" "0" "$code"

# The program is still the user's: keys reach it, and it closes as it should.
zelmora_keys ctrl+Home
expect "keys after the stream" "101" "$(zelmora_read focus)"
expect_status "exit code" 0 zelmora_close
finish
