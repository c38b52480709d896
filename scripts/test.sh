#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite on a virtual display: the
# suites of the builds this machine runs (its first line says which), then how many tests
# ran, passed and were skipped, and why each skipped one was.
#   test.sh [CTEST_OPTIONS...]
# ZELMORA_32BIT=no runs the 64-bit suite alone on a machine that runs 32-bit programs too;
# ZELMORA_32BIT=yes asks for both suites whatever the machine.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/build.sh" "$top/build"
cd "$top/build"
rm -f ctest-results.xml
status=0
ctest --output-on-failure --output-junit "$top/build/ctest-results.xml" "$@" || status=$?
/usr/bin/python3 "$top/tests/summary.py" "$top/build/ctest-results.xml" || status=$?
exit "$status"
