#!/usr/bin/env bash
# Fatal run-time errors seen from outside: every fault ends its program with one box of the
# agreed form, read and closed by a watcher, and the error number is the exit code Linux sees.
# Then the shipped program, faulted by a thread started in it from outside.
#   fatal_errors.sh        the faults of both builds
#   fatal_errors.sh x86    those only the 32-bit build commits and 32-bit Wine reports: INTO,
#                          which x86-64 does not have; the stack overflow and a fault with a
#                          frame pointer outside the stack, which end a 64-bit program under
#                          Wine before any handler runs (its own dispatch unwinds the stack)
set -uo pipefail
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
probes="$ZELMORA_PROBES"
work="$ZELMORA_SESSION/fatal"
mkdir -p "$work"

# check_box NAME NUMBER EXIT BOXFILE MIN_LINES MAX_LINES IMAGE_BEGIN IMAGE_END IN_IMAGE [ADDRESS]
# The box: caption "Error", one OK button, no icon, no owner, and the text
# "Runtime error N at 0xXXXXXXXX\r\n" + "  0xXXXXXXXX\r\n" per return address + "\r\n",
# the addresses 16 digits wide in the 64-bit build.
# MIN..MAX return addresses; the first IN_IMAGE of them inside the faulting executable.
check_box() {
  local name="$1" number="$2" code="$3" box="$4" min="$5" max="$6" begin="$7" end="$8" inside="$9"
  local address="${10:-}"
  local before=$failures
  [ "$code" = "$number" ] || fail "$name: exit code $code, expected $number"
  [ -s "$box" ] || { fail "$name: no box"; return; }
  sed -i 's/\r$//' "$box"  # the watcher writes Windows line ends
  [ "$(grep -c '^caption: Error$' "$box")" = 1 ] || fail "$name: caption: $(grep '^caption' "$box")"
  [ "$(grep -c '^button: ' "$box")" = 1 ] && grep -q '^button: 1 ' "$box" || fail "$name: buttons: $(grep '^button' "$box" | tr '\n' ' ')"
  grep -q '^icon: yes' "$box" && fail "$name: the box has an icon"
  grep -q '^owner: no$' "$box" || fail "$name: the box has an owner"
  [ "$(grep -c '^text: ' "$box")" = 1 ] || { fail "$name: $(grep -c '^text: ' "$box") texts"; return; }
  local text
  text="$(sed -n 's/^text: //p' "$box")"
  local hex="0x[0-9A-F]{$digits}" nl='\\r\\n'
  if ! [[ "$text" =~ ^Runtime\ error\ $number\ at\ $hex($nl\ \ $hex)*$nl$nl$ ]]; then
    fail "$name: text '$text'"
    return
  fi
  # The real text: each \r\n written as four characters stands for two.
  local raw_length=$(( ${#text} - 2 * $(grep -o '\\r\\n' <<<"$text" | wc -l) ))
  [ "$raw_length" -le "$box_size" ] || fail "$name: $raw_length characters, more than one box holds"
  mapfile -t returns < <(grep -oE "  $hex" <<<"${text//\\r\\n/$'\n'}" | tr -d ' ')
  local count=${#returns[@]}
  [ "$count" -ge "$min" ] && [ "$count" -le "$max" ] || fail "$name: $count return addresses, expected $min..$max"
  local i
  for ((i = 0; i < inside && i < count; i++)); do
    local value=$(( returns[i] ))
    [ "$value" -ge $(( begin )) ] && [ "$value" -lt $(( end )) ] ||
      fail "$name: return address $((i + 1)) ${returns[i]} is outside the program ($begin..$end)"
  done
  if [ -n "$address" ] && ! [[ "$text" == "Runtime error $number at $address"* ]]; then
    fail "$name: address, expected $address: '$text'"
  fi
  [ "$failures" = "$before" ] && echo "ok: $name: exit $code, $count return addresses: ${text:0:60}..."
}

# kind, error number, return addresses min and max, how many of them lie in fault.exe, address
if [ "$ZELMORA_BUILD" = win64 ]; then digits=16 box_size=1536; else digits=8 box_size=1024; fi
at16=$(printf "0x%0${digits}X" 16)
if [ "${1:-}" = x86 ]; then
  faults=(
    "stack 202 64 64 64"
    "into 215 1 64 1"
    "wildframe 216 0 0 0"
    "stacktopframe 216 0 0 0"
  )
else
faults=(
  "access 216 4 64 3"
  "deep 216 64 64 64"
  "nullcall 216 1 64 1 $at16"
  "window 216 3 64 0"
  "thread 216 0 64 0"
  # x86 walks the frame pointers, and stops at the first; x86-64 unwinds by the tables,
  # which take the looped pointer for the caller's frame, and stops where the stack
  # pointer goes no further up.
  "loopframe 216 1 $([ "$ZELMORA_BUILD" = win64 ] && echo 8 || echo 1) 1"
  "intdiv 200 1 64 1"
  "fltdiv 200 1 64 1"
  "fltover 205 1 64 1"
  "fltunder 206 1 64 1"
  "fltinvalid 207 1 64 1"
  "privileged 217 1 64 1"
  "illegal 217 1 64 1"
  "heap 203 1 64 1"
  "heaparray 203 1 64 1"
)
fi
for line in "${faults[@]}"; do
  read -r kind number min max inside address <<<"$line"
  box="$work/$kind.box"
  rm -f "$box"
  timeout 60 wine "$probes/boxwatch.exe" "$box" 30000 </dev/null >/dev/null 2>&1 &
  watcher=$!
  timeout 60 wine "$probes/fault.exe" "$kind" </dev/null >"$work/$kind.out" 2>&1
  code=$?
  wait "$watcher"
  read -r _ begin end < <(grep '^image' "$work/$kind.out" | tr -d '\r')
  check_box "$kind" "$number" "$code" "$box" "$min" "$max" "${begin:-0}" "${end:-0}" "$inside" "$address"
done

if [ "${1:-}" = x86 ]; then
  finish
  exit
fi

# The shipped program: a thread started in it at an address where no code is.
box="$work/zelmora.box"
rm -f "$box"
timeout 60 wine "$ZELMORA_DIST/bin/zelmora.exe" </dev/null >"$work/zelmora.log" 2>&1 &
program=$!
if timeout 30 wine "$probes/faultinject.exe" Zelmora 20000 </dev/null >/dev/null 2>&1; then
  timeout 40 wine "$probes/boxwatch.exe" "$box" 30000 </dev/null >/dev/null 2>&1
  wait "$program"
  code=$?
  check_box "zelmora.exe with a thread at $at16" 216 "$code" "$box" 0 64 0 0 0 "$at16"
else
  fail "zelmora.exe: no thread could be started in it"
  wait "$program"
fi

finish
