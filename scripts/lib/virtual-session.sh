# Sourced by a script that shows the program on a Wine session of its own (the run command's
# demonstration, the pictures of the help): starts the session on a virtual display with the
# build this machine runs (the shipped 32-bit one where it can, scripts/wine-env.sh), stops
# it when the script ends, and brings in the zelmora_* commands.
#   . scripts/virtual-session.sh SESSION_DIR PREFIX_NAME BUILD_DIR
# The prefix is BUILD_DIR/PREFIX_NAME-win32 or -win64; ZELMORA_BUILD, ZELMORA_DIST,
# ZELMORA_EXE and ZELMORA_PROBE say what runs.
virtual_session_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=wine-env.sh
. "$virtual_session_scripts/wine-env.sh"
zelmora_runnable_build "$3"
export ZELMORA_EXE="$ZELMORA_DIST/bin/zelmora.exe" ZELMORA_PROBE="$ZELMORA_CROSS/programs/readtotals.exe"
[ -f "$ZELMORA_EXE" ] && [ -f "$ZELMORA_PROBE" ] || { echo "build first: scripts/build.sh" >&2; exit 1; }
"$virtual_session_scripts/wine-session.sh" start "$1" "$3/$2-$ZELMORA_BUILD" "$ZELMORA_BUILD" >/dev/null
# shellcheck disable=SC2064
trap "'$virtual_session_scripts/wine-session.sh' stop '$1' >/dev/null" EXIT
# shellcheck disable=SC1091
. "$1/env"
# shellcheck source=zelmora-x.sh
. "$virtual_session_scripts/zelmora-x.sh"
