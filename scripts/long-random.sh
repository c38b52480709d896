#!/usr/bin/env bash
# The long random run of the main window: scripts/long-random.sh [EVENTS] [SEED]
# (after a build; 100,000 events from seed 20261208 unless told otherwise).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$top/build"
# shellcheck source=lib/wine-env.sh
. "$top/scripts/lib/wine-env.sh"
zelmora_runnable_build "$build"
echo "$ZELMORA_MACHINE"
session="$build/random-session"
"$top/scripts/lib/wine-session.sh" start "$session" "$build/wineprefix-random-$ZELMORA_BUILD" "$ZELMORA_BUILD" \
  "$ZELMORA_CROSS/programs/keeper.exe" >/dev/null
trap '"$top/scripts/lib/wine-session.sh" stop "$session" >/dev/null' EXIT
# shellcheck disable=SC1091
. "$session/env"
ZELMORA_EVENTS="${1:-100000}" ZELMORA_SEED="${2:-20261208}" \
  wine "$ZELMORA_CROSS/programs/robustness_tests.exe" --gtest_filter='*Random*' </dev/null
