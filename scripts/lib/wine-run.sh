#!/usr/bin/env bash
# Runs a Windows program in the shared Wine session and returns its exit code.
#   wine-run.sh SESSION_DIR PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
session="$1"; shift
# shellcheck disable=SC1091
. "$session/env"
exec wine "$@" </dev/null
