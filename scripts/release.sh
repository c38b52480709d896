#!/usr/bin/env bash
# Builds the program and packs the release: BUILD_DIR/release/zelmora-2.0.zip and
# zelmora-2.0-setup.exe (BUILD_DIR defaults to build/). Both ship the 32-bit program alone.
#   scripts/release.sh [BUILD_DIR]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
"$top/scripts/build.sh" "$build"
"$top/release/package.sh" "$build/dist" "$build/release"
