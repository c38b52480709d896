#!/usr/bin/env bash
# The release as users get it: the zip's layout, then the installer under Wine. The installer
# shows the program's icon and a clean caption, and asks before Cancel gives up. A silent
# install puts the files, one Start-menu shortcut and the uninstall entry in place and
# nothing else, no desktop menu entry either; the program started through the shortcut finds
# its help; neither the installer nor the uninstaller touches a running copy; a silent
# uninstall takes away everything the installer made.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"
boxwatch="$ZELMORA_PROBES/boxwatch.exe"

work="$ZELMORA_SESSION/release-e2e"
rm -rf "$work"
mkdir -p "$work"
# Installing a shortcut would start Wine's menu builder, which writes desktop menu entries for
# the user. It is off, and the folders it would write to are the test's own, checked below.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
export XDG_DATA_HOME="$work/xdg-data" XDG_CONFIG_HOME="$work/xdg-config"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
"$here/../../release/package.sh" "$ZELMORA_DIST" "$work" >/dev/null
# The version the release takes from the project (major.minor of project() in CMakeLists.txt).
version=$(sed -n 's/^project(zelmora VERSION \([0-9]*\.[0-9]*\)[.0-9]* .*/\1/p' "$here/../../CMakeLists.txt")
zip="$work/zelmora-$version.zip"
setup="$work/zelmora-$version-setup.exe"

# The zip: the layout the help lookup expects, the built files, a Windows-1251 read-me.
expect "zip: entries" "Zelmora/ Zelmora/bin/ Zelmora/bin/zelmora.exe Zelmora/help/ Zelmora/help/zelmora.chm Zelmora/readme.txt" \
  "$(zipinfo -1 "$zip" | paste -sd' ')"
unzip -q "$zip" -d "$work/unzipped"
unpacked="$work/unzipped/Zelmora"
expect "zip: the program" same "$(cmp -s "$unpacked/bin/zelmora.exe" "$ZELMORA_DIST/bin/zelmora.exe" && echo same || echo differs)"
expect "zip: the help" same "$(cmp -s "$unpacked/help/zelmora.chm" "$ZELMORA_DIST/help/zelmora.chm" && echo same || echo differs)"
expect "zip: read-me in cp1251 with CRLF" "Зельмора $version|yes" \
  "$(iconv -f CP1251 -t UTF-8 "$unpacked/readme.txt" | head -1 | tr -d '\r')|$(head -1 "$unpacked/readme.txt" | grep -q $'\r$' && echo yes || echo no)"

drive="$WINEPREFIX/drive_c"
instdir="$drive/Program Files/Zelmora"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Зельмора.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelmora'
installed_exe='C:\Program Files\Zelmora\bin\zelmora.exe'

# Everything in the prefix but the temporary folders, and the registry the installer could
# write to, exported as text.
files() { (cd "$drive" && find . -path './users/*/Temp' -prune -o -path './windows/temp' -prune -o -print | sort); }
registry() {
  local hive
  for hive in 'HKLM\Software' 'HKCU\Software'; do
    timeout 60 wine reg export "$hive" 'Z:'"${work//\//\\}"'\hive.reg' /y </dev/null >/dev/null 2>&1
    # Wine's own settings change as the session goes on: not the installer's doing.
    iconv -f UTF-16 -t UTF-8 "$work/hive.reg" | tr -d '\r' |
      awk '/^\[/ { skip = index($0, "\\Software\\Wine") > 0 } !skip'
  done
}
# Added lines of a diff, without the diff's own header.
added() { diff "$1" "$2" | sed -n 's/^> //p' || true; }
removed() { diff "$1" "$2" | sed -n 's/^< //p' || true; }
temp_entries() { (cd "$drive" && find ./users/*/Temp -mindepth 1 -maxdepth 1 2>/dev/null | sort); }

# Processes of the installed program and of the uninstaller's copy, from their command lines.
# (Read by the shell itself: a grep for the text would find its own command line too.)
pids_of() {
  local file parts
  for file in /proc/[0-9]*/cmdline; do
    mapfile -d '' parts <"$file" 2>/dev/null || continue
    [[ "${parts[*]}" == *"$1"* ]] || continue
    file=${file#/proc/}
    echo "${file%/cmdline}"
  done
}
wait_gone() {
  wait_until 600 eval '[ -z "$(pids_of "$1")" ]'
}

forget_install() {
  rm -rf "$instdir" "$shortcut"
  wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
}
cleanup() {
  [ -z "${installer:-}" ] || kill "$installer" 2>/dev/null || true
  for pid in $(pids_of "$installed_exe"); do kill "$pid" 2>/dev/null || true; done
  [ "${keep_install:-no}" = yes ] || forget_install
}
trap cleanup EXIT
forget_install  # left over from an interrupted run

files >"$work/files-before"
registry >"$work/registry-before"
temp_entries >"$work/temp-before"

# The installer as a user meets it: the program's own icon, a caption without a blank at its
# end, and Cancel asks first: No goes on, Yes leaves nothing behind.
expect "setup: its icons are those of icon 11" same "$(python3 - "$setup" "$here/../../app/pictures/icon11.ico" <<'PY'
import struct, sys
exe, ico = (open(path, 'rb').read() for path in sys.argv[1:3])
pe = struct.unpack_from('<I', exe, 0x3C)[0]
sections = pe + 24 + struct.unpack_from('<H', exe, pe + 20)[0]
rsrc = struct.unpack_from('<I', exe, pe + 24 + 96 + 16)[0]
for i in range(struct.unpack_from('<H', exe, pe + 6)[0]):
    address, size, raw = struct.unpack_from('<III', exe, sections + 40 * i + 12)
    if address <= rsrc < address + size:
        base, delta = raw + rsrc - address, address - raw
icons = []
def walk(offset, depth, kind):
    named, ids = struct.unpack_from('<HH', exe, base + offset + 12)
    for k in range(named + ids):
        name, target = struct.unpack_from('<II', exe, base + offset + 16 + 8 * k)
        if target & 0x80000000:
            walk(target & 0x7FFFFFFF, depth + 1, name if depth == 0 else kind)
        elif kind == 3:  # RT_ICON
            data, size = struct.unpack_from('<II', exe, base + target)
            icons.append(exe[data - delta:data - delta + size])
walk(0, 0, None)
images = [ico[offset:offset + size] for size, offset in
          (struct.unpack_from('<II', ico, 6 + 16 * i + 8) for i in range(struct.unpack_from('<H', ico, 4)[0]))]
print('same' if sorted(icons) == sorted(images) else '%d icons, not the %d of icon 11' % (len(icons), len(images)))
PY
)"
wine "$setup" </dev/null >"$work/setup-ui.log" 2>&1 &
installer=$!
window=$(wait_for_window "Установка Зельмора $version" 300)
expect "setup: the caption" "Установка Зельмора $version" "$([ -n "$window" ] && xdotool getwindowname "$window")"
cancel() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key Escape
  timeout 40 wine "$boxwatch" "$work/cancel-$1.txt" 20000 "$2" </dev/null >/dev/null 2>&1 || true
  tr -d '\r' <"$work/cancel-$1.txt" | sed -n 's/^text: //p'
}
expect "setup: Cancel asks" "Вы действительно хотите отменить установку Зельмора $version?" "$(cancel no 7)"
sleep 1
expect "setup: No goes on" yes "$(kill -0 "$installer" 2>/dev/null && [ -n "$(wait_for_window "Установка Зельмора $version" 10)" ] && echo yes || echo no)"
expect "setup: Cancel asks again" "Вы действительно хотите отменить установку Зельмора $version?" "$(cancel yes 6)"
wait_for_exit "$installer" 100 || true
expect "setup: Yes ends it" "gone" "$(kill -0 "$installer" 2>/dev/null && echo running || echo gone)"
kill "$installer" 2>/dev/null && wait_for_exit "$installer" 100 || true
expect "setup: nothing installed" "" "$(files | diff "$work/files-before" - || true)"

# A silent install.
code=0
timeout 120 wine "$setup" /S </dev/null >/dev/null 2>&1 || code=$?
expect "install: exit code" 0 "$code"
files >"$work/files-installed"
expect "install: the files and the shortcut, nothing else" \
  "./Program Files/Zelmora|./Program Files/Zelmora/Uninstall.exe|./Program Files/Zelmora/bin|./Program Files/Zelmora/bin/zelmora.exe|./Program Files/Zelmora/help|./Program Files/Zelmora/help/zelmora.chm|./Program Files/Zelmora/readme.txt|./ProgramData/Microsoft/Windows/Start Menu/Programs/Зельмора.lnk" \
  "$(added "$work/files-before" "$work/files-installed" | LC_ALL=C sort | paste -sd'|')"
for file in bin/zelmora.exe help/zelmora.chm readme.txt; do
  expect "install: $file as in the zip" same "$(cmp -s "$instdir/$file" "$unpacked/$file" && echo same || echo differs)"
done
registry >"$work/registry-installed"
# The entry's size is the files' size in kilobytes, whatever the build made of them.
expect "install: the uninstall entry, nothing else" "$(sed "s/@VERSION@/$version/g" <<'REG'
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelmora]
"DisplayIcon"="C:\\Program Files\\Zelmora\\bin\\zelmora.exe"
"DisplayName"="Зельмора @VERSION@"
"DisplayVersion"="@VERSION@"
"EstimatedSize"=dword:SIZE
"InstallLocation"="C:\\Program Files\\Zelmora"
"NoModify"=dword:00000001
"NoRepair"=dword:00000001
"Publisher"="Мастерская Зельмора"
"QuietUninstallString"="\"C:\\Program Files\\Zelmora\\Uninstall.exe\" /S"
"UninstallString"="\"C:\\Program Files\\Zelmora\\Uninstall.exe\""
REG
)" "$(added "$work/registry-before" "$work/registry-installed" | sed '/^$/d; s/"EstimatedSize"=dword:0*[1-9a-f][0-9a-f]*$/"EstimatedSize"=dword:SIZE/')"
expect "install: nothing removed from the registry" "" "$(removed "$work/registry-before" "$work/registry-installed")"
expect "install: no desktop menu entries" "" "$(cd "$work" && find xdg-data xdg-config -mindepth 1)"

# The program, started through its shortcut, runs from the installed folder and opens its
# help on F1 rather than reporting the file missing.
wine start /unix "$shortcut" </dev/null >"$work/start.log" 2>&1 &
wait_until 200 eval '[ -n "$(pids_of "$installed_exe")" ]' || true
expect "the shortcut starts the installed program" yes "$([ -n "$(pids_of "$installed_exe")" ] && echo yes || echo no)"
ZELMORA_XID=$(wait_for_window 'Зельмора')
wait_until 50 eval '[ "$(zelmora_read focus)" = 101 ]' || true
sleep 0.5
xdotool windowfocus --sync "$ZELMORA_XID" 2>/dev/null || true
zelmora_keys F1
help_window=$(wait_for_window 'Зельмора 2.0 — справка' 100)
expect "F1 opens the installed help" yes "$([ -n "$help_window" ] && echo yes || echo no)"
box=0
timeout 30 wine "$boxwatch" "$work/box.txt" 2000 </dev/null >/dev/null 2>&1 || box=$?
expect "F1: no message box" "1" "$box"
[ "$box" = 0 ] && tr -d '\r' <"$work/box.txt"

# While the program runs, the installer and the uninstaller leave its files alone.
code=0
timeout 120 wine "$setup" /S </dev/null >/dev/null 2>&1 || code=$?
expect "install over a running copy is refused" yes "$([ "$code" != 0 ] && echo yes || echo "no (exit code $code)")"
uninstall() {
  # As Windows runs it: the uninstaller copies itself to the temporary folder, starts the
  # copy and returns at once, so wait for the copy.
  local code=0
  timeout 120 wine "$instdir/Uninstall.exe" /S </dev/null >/dev/null 2>&1 || code=$?
  expect "$1: exit code" 0 "$code"
  sleep 0.5
  expect "$1: finished" yes "$(wait_gone '_?=C:\Program Files\Zelmora' && echo yes || echo no)"
}
uninstall "uninstall of a running copy"
expect "uninstall of a running copy is refused: its files are all still there" "$(added "$work/files-before" "$work/files-installed" | paste -sd'|')" \
  "$(files | diff "$work/files-before" - | sed -n 's/^> //p' | paste -sd'|')"

for pid in $(pids_of "$installed_exe"); do kill "$pid" 2>/dev/null || true; done
expect "the program has ended" yes "$(wait_gone "$installed_exe" && echo yes || echo no)"

uninstall "uninstall"
expect "uninstall: every file and folder made is gone" "" "$(diff "$work/files-before" <(files) || true)"
registry >"$work/registry-removed"
expect "uninstall: the registry as before" "" "$(diff "$work/registry-before" "$work/registry-removed" || true)"
# The one trace left is the uninstaller's own copy in the temporary folder, which it
# schedules for deletion at the next restart; the test deletes it now.
left=$(comm -13 "$work/temp-before" <(temp_entries))
expect "uninstall: in the temporary folder only the copy's folder" "" "$(grep -v '/~nsu[^/]*\.tmp$' <<<"$left" || true)"
session='HKLM\System\CurrentControlSet\Control\Session Manager'
pending=$(wine reg query "$session" /v PendingFileRenameOperations </dev/null 2>/dev/null | iconv -f CP866 -t UTF-8 |
  tr -d '\r' | sed -n 's/.*REG_MULTI_SZ *//p' | sed 's/\\0/\n/g' | sed '/^$/d')
expect "uninstall: deletions at restart only in the copy's folder" "" "$(grep -v '\\Temp\\~nsu[^\\]*\.tmp' <<<"$pending" || true)"
for folder in $left; do rm -rf "${drive:?}/$folder"; done
[ -n "$pending" ] && wine reg delete "$session" /v PendingFileRenameOperations /f </dev/null >/dev/null 2>&1

finish
