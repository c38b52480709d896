# What every end-to-end script shares; sourced first thing, after "set -euo pipefail":
#   . "$(dirname "$0")/lib.sh"
# It enters the test run's Wine session (ZELMORA_SESSION, ZELMORA_DIST, ZELMORA_CROSS and ZELMORA_BUILD are
# set by ctest), points ZELMORA_EXE at the shipped program unless the script chose another,
# and brings in the zelmora_* commands of scripts/lib/zelmora-x.sh. The checks count failures;
# a script ends with "finish", which fails when any check did.

E2E_HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck disable=SC1091
. "$ZELMORA_SESSION/env"
ZELMORA_PROBES="$ZELMORA_CROSS/programs"
export ZELMORA_EXE="${ZELMORA_EXE:-$ZELMORA_DIST/bin/zelmora.exe}"
export ZELMORA_PROBE="$ZELMORA_PROBES/readtotals.exe"
# shellcheck source=../../scripts/lib/zelmora-x.sh
. "$E2E_HERE/../../scripts/lib/zelmora-x.sh"

failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect NAME EXPECTED ACTUAL
expect() {
  if [ "$2" = "$3" ]; then echo "ok: $1"; else fail "$1: expected '$2', got '$3'"; fi
}

# expect_that NAME CONDITION [DETAIL]: CONDITION is evaluated by the shell.
expect_that() {
  if eval "$2"; then echo "ok: $1${3:+ ($3)}"; else fail "$1: $2 failed${3:+ ($3)}"; fi
}

# expect_status NAME EXPECTED COMMAND...: runs COMMAND and checks its exit status.
expect_status() {
  local code=0
  "${@:3}" || code=$?
  expect "$1" "$2" "$code"
}

# expect_between NAME LOW HIGH VALUE
expect_between() {
  if [ "$4" -ge "$2" ] && [ "$4" -le "$3" ]; then echo "ok: $1: $4"; else fail "$1: $4 not in $2..$3"; fi
}

# The last line of every script: its status is the checks' verdict.
finish() {
  [ "$failures" -eq 0 ]
}
