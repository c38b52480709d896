#!/usr/bin/env bash
# Installs what is missing, then builds everything into BUILD_DIR (build/ unless told): the
# shipped 32-bit program in BUILD_DIR/dist, the 64-bit one in BUILD_DIR/dist-win64, and the
# test programs of the builds this machine runs (scripts/lib/wine-env.sh). Says first which those are.
#   build.sh [BUILD_DIR]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
"$top/scripts/install-deps.sh"
# shellcheck source=lib/wine-env.sh
. "$top/scripts/lib/wine-env.sh"
zelmora_decide_machine
echo "$ZELMORA_MACHINE"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release "-DZELMORA_SUITES=${ZELMORA_SUITES// /;}" >/dev/null
cmake --build "$build" -j"$(nproc)"
