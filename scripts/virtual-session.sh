# Sourced by a script that shows the program on a Wine session of its own (the run command's
# demonstration, the pictures of the help): starts the session on a virtual display, stops
# it when the script ends, and brings in the zelmora_* commands.
#   . scripts/virtual-session.sh SESSION_DIR PREFIX_DIR ZELMORA_EXE READTOTALS_EXE
virtual_session_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$virtual_session_scripts/wine-session.sh" start "$1" "$2" >/dev/null
# shellcheck disable=SC2064
trap "'$virtual_session_scripts/wine-session.sh' stop '$1' >/dev/null" EXIT
# shellcheck disable=SC1091
. "$1/env"
export ZELMORA_EXE="$3" ZELMORA_PROBE="$4"
# shellcheck source=zelmora-x.sh
. "$virtual_session_scripts/zelmora-x.sh"
