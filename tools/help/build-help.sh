#!/usr/bin/env bash
# Compiles the Zelmora 2.0 help into OUTPUT_DIR/zelmora.chm.
#
#   tools/help/build-help.sh OUTPUT_DIR [PAGES_DIR [CONTEXT_H]]
#
# The pages, pictures and project come from PAGES_DIR (help/), the topic numbers the
# program asks for from CONTEXT_H (base/context.h), which the project includes.
# Sources are kept in UTF-8 (readable diffs, a browser shows them
# as they are); the pictures (*.gif, made by tools/screenshots/make.sh) are
# copied unchanged. The viewer wants the classic Russian ANSI code page, so the
# script copies every source into a temporary directory, converts it to
# windows-1251 with iconv (a character that has no windows-1251 form is an
# error: write it as an HTML entity, e.g. &#931; for the sigma), switches the
# pages' "charset=utf-8" meta to "charset=windows-1251", and runs chmcmd
# there. The source tree is never written to, so this works from any
# current directory and for out-of-source builds.
#
# chmcmd's context map needs a repair afterwards (chmtool.py fix-context).
#
# Fails (non-zero exit) when a source is missing or not convertible, when
# chmcmd exits non-zero or prints any error or warning (a warning is
# usually a broken link or a file missing from the project), or when the
# output is missing or not an ITSF file.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 3 ] || [ -z "$1" ]; then
  echo "usage: $0 OUTPUT_DIR [PAGES_DIR [CONTEXT_H]]" >&2
  exit 2
fi

tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
here=$(cd "${2:-$tools/../../help}" && pwd)
context="${3:-$tools/../../base/context.h}"
mkdir -p "$1"
out=$(cd "$1" && pwd)
CHMCMD=${CHMCMD:-chmcmd}
PYTHON=${PYTHON:-/usr/bin/python3}   # the system's, which has the chmlib binding (python3-chm)
command -v "$CHMCMD" >/dev/null || { echo "build-help: $CHMCMD not found (package fp-utils)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zelmora-help.XXXXXX")
trap 'rm -rf "$work"' EXIT
work=$(cd "$work" && pwd -P)   # chmcmd records the physical path

shopt -s nullglob
sources=("$here"/*.htm "$here"/*.css "$here"/*.hhc "$here"/*.hhk "$here"/*.hhp "$context")
[ -f "$here/zelmora.hhp" ] || { echo "build-help: $here/zelmora.hhp missing" >&2; exit 1; }

# Pictures go in as they are.
cp "$here"/*.gif "$work/" 2>/dev/null || true
for src in "${sources[@]}"; do
  name=$(basename "$src")
  if ! iconv -f UTF-8 -t CP1251 "$src" > "$work/$name.tmp"; then
    echo "build-help: $name: not convertible to windows-1251" >&2
    exit 1
  fi
  sed 's/charset=utf-8/charset=windows-1251/I' "$work/$name.tmp" > "$work/$name"
  rm -f "$work/$name.tmp"
done

log="$work/chmcmd.log"
set +e
(cd "$work" && LC_ALL=C "$CHMCMD" zelmora.hhp) > "$log" 2>&1
rc=$?
set -e
if [ $rc -ne 0 ] || grep -qiE 'error|warning|couldn.t|can.t|not found|exception|corrupt|invalid' "$log"; then
  echo "build-help: chmcmd failed (exit $rc):" >&2
  cat "$log" >&2
  exit 1
fi

chm="$work/zelmora.chm"
if [ ! -s "$chm" ] || [ "$(head -c 4 "$chm")" != "ITSF" ]; then
  echo "build-help: chmcmd produced no valid zelmora.chm:" >&2
  cat "$log" >&2
  exit 1
fi

# chmcmd stores the context-map topics as absolute paths of this machine;
# make them relative (see chmtool.py).
if ! "$PYTHON" "$tools/chmtool.py" fix-context "$chm" "$work" > "$work/fix.log" 2>&1; then
  echo "build-help: repairing the context map failed:" >&2
  cat "$work/fix.log" >&2
  exit 1
fi

cp "$chm" "$out/zelmora.chm.tmp"
mv -f "$out/zelmora.chm.tmp" "$out/zelmora.chm"
echo "build-help: wrote $out/zelmora.chm ($(stat -c %s "$out/zelmora.chm") bytes)"
