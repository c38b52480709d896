#!/usr/bin/env bash
# Builds the program and packs the release: BUILD_DIR/release/zelmora-2.0.zip and
# zelmora-2.0-setup.exe (BUILD_DIR defaults to build/).
#   scripts/release.sh [BUILD_DIR]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
"$top/release/package.sh" "$build/dist" "$build/release"
