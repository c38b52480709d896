#!/usr/bin/env bash
# Packs a built program for users: a zip and an NSIS installer with the same layout,
#   Zelmora\bin\zelmora.exe, Zelmora\help\zelmora.chm, Zelmora\readme.txt
# (the program looks for its help in help\ beside its own folder).
#   package.sh DIST_DIR OUT_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
dist="$(cd "$1" && pwd)"
mkdir -p "$2"
out="$(cd "$2" && pwd)"
# The version, from the one place the program takes it from.
record=$(sed -n 's/^project(zelmora VERSION \([0-9.]*\) .*/\1/p' "$here/../CMakeLists.txt")
version="${record%.*}"
[ -n "$version" ] || { echo "package.sh: no version in CMakeLists.txt" >&2; exit 1; }

for file in bin/zelmora.exe help/zelmora.chm; do
  [ -f "$dist/$file" ] || { echo "package.sh: $dist/$file is missing" >&2; exit 1; }
done

stage="$out/stage"
rm -rf "$stage" "$out/zelmora-$version.zip" "$out/zelmora-$version-setup.exe"
mkdir -p "$stage/Zelmora/bin" "$stage/Zelmora/help"
cp "$dist/bin/zelmora.exe" "$stage/Zelmora/bin/"
cp "$dist/help/zelmora.chm" "$stage/Zelmora/help/"
# The read-me as Notepad on the program's systems reads it: Windows-1251, CRLF.
sed "s/@VERSION@/$version/g" "$here/readme.txt" | iconv -f UTF-8 -t CP1251 | sed 's/$/\r/' >"$stage/Zelmora/readme.txt"

# The same bytes for the same sources: every date is the last commit's.
stamp="${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || date +%s)}"
find "$stage" -exec touch -h -d "@$stamp" {} +
(cd "$stage" && TZ=UTC zip -X -q "$out/zelmora-$version.zip" \
  Zelmora/ Zelmora/bin/ Zelmora/bin/zelmora.exe Zelmora/help/ Zelmora/help/zelmora.chm Zelmora/readme.txt)

size_kb=$(( ($(stat -c %s "$stage/Zelmora/bin/zelmora.exe" "$stage/Zelmora/help/zelmora.chm" \
  "$stage/Zelmora/readme.txt" | paste -sd+ | bc) + 1023) / 1024 ))
makensis -V2 -INPUTCHARSET UTF8 -DDIST="$stage/Zelmora" -DREADME="$stage/Zelmora/readme.txt" \
  -DVERSION="$version" -DVERSION_RECORD="$record.0" \
  -DICON="$here/../app/pictures/icon11.ico" \
  -DOUTFILE="$out/zelmora-$version-setup.exe" -DSIZE_KB="$size_kb" "$here/zelmora.nsi"
echo "$out/zelmora-$version.zip"
echo "$out/zelmora-$version-setup.exe"
