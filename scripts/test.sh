#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite on a virtual display.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/build.sh"
cd "$top/build"
ctest --output-on-failure "$@"
