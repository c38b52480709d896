# The Wine environment of every script, for either build; sourced.
#
#   zelmora_decide_machine   sets ZELMORA_SUITES to the builds this machine runs under Wine
#                            ("win32 win64" where 32-bit programs run, "win64" where they
#                            cannot) and ZELMORA_MACHINE to the sentence that says so.
#                            ZELMORA_32BIT=yes or no forces either answer.
#   zelmora_kernel_runs_32bit
#                            succeeds when the kernel runs 32-bit x86 programs at all,
#                            before any Wine is installed (so that a machine without IA-32
#                            emulation installs no 32-bit packages it could never run).
#   zelmora_wine_env BUILD PREFIX
#                            exports the variables that run BUILD's programs (win32 or win64)
#                            in PREFIX: the loader of that build first on PATH as "wine",
#                            the prefix's architecture, a Russian locale (code page 1251),
#                            no debug output, no offers to download Wine's .NET and HTML
#                            engines, no desktop menu entries. ZELMORA_WINELOADER names
#                            another loader (a Wine of your own build) for both.
ZELMORA_SCRIPTS="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

zelmora_decide_machine() {
  local why
  case "${ZELMORA_32BIT:-}" in
  yes) ZELMORA_SUITES="win32 win64" why=" (ZELMORA_32BIT=yes)" ;;
  no) ZELMORA_SUITES="win64" why=" (ZELMORA_32BIT=no)" ;;
  "")
    why=""
    # The tiny 32-bit program: Wine's own 32-bit loader, which every 32-bit test needs.
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
      ZELMORA_SUITES="win32 win64"
    else
      ZELMORA_SUITES="win64"
    fi
    ;;
  *)
    echo "ZELMORA_32BIT must be yes, no or unset, not '$ZELMORA_32BIT'" >&2
    return 2
    ;;
  esac
  if [ "$ZELMORA_SUITES" = win64 ] && [ -z "$why" ] && zelmora_kernel_runs_32bit; then
    ZELMORA_MACHINE="this machine runs 32-bit programs but not Wine's 32-bit loader (is wine32:i386 installed?): the suite runs the 64-bit build"
  elif [ "$ZELMORA_SUITES" = win64 ]; then
    ZELMORA_MACHINE="this machine runs no 32-bit programs (kernel without IA-32 emulation): the suite runs the 64-bit build$why"
  else
    ZELMORA_MACHINE="this machine runs 32-bit programs: the suite runs the 32-bit and the 64-bit build$why"
  fi
  export ZELMORA_SUITES ZELMORA_MACHINE
}

# The smallest 32-bit program there is: an ELF header, one loadable segment and
# "xor ebx, ebx; mov eax, 1; int 0x80", the exit system call with code 0. A kernel without
# IA-32 emulation refuses to start it ("Exec format error").
zelmora_write_tiny32() { # FILE
  local header='\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000'
  header+='\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000'
  header+='\064\000\040\000\001\000\000\000\000\000\000\000'
  local segment='\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010'
  segment+='\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000'
  local code='\061\333\270\001\000\000\000\315\200'
  printf "$header$segment$code" >"$1"
  chmod +x "$1"
}

zelmora_kernel_runs_32bit() {
  local tiny status=0
  tiny=$(mktemp)
  zelmora_write_tiny32 "$tiny"
  "$tiny" 2>/dev/null || status=$?
  rm -f "$tiny"
  return "$status"
}

zelmora_wine_env() {
  case "$1" in
  win32) export WINELOADER="${ZELMORA_WINELOADER:-/usr/lib/wine/wine}" ;;
  win64) export WINELOADER="${ZELMORA_WINELOADER:-/usr/lib/wine/wine64}" ;;
  *)
    echo "unknown build '$1' (win32 or win64)" >&2
    return 2
    ;;
  esac
  export WINEARCH="$1" WINEPREFIX="$2" WINEDEBUG=-all LC_ALL=ru_RU.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
  case ":$PATH:" in
  *":$ZELMORA_SCRIPTS/wine-loader:"*) ;;
  *) export PATH="$ZELMORA_SCRIPTS/wine-loader:$PATH" ;;
  esac
}

# zelmora_runnable_build BUILD_DIR: the build this machine runs its programs from, the shipped
# 32-bit one where it can: sets ZELMORA_BUILD (win32 or win64), ZELMORA_DIST (its program
# and help) and ZELMORA_CROSS (its cross-build folder, with the probes and benchmarks).
zelmora_runnable_build() {
  zelmora_decide_machine
  ZELMORA_BUILD="${ZELMORA_SUITES%% *}"
  if [ "$ZELMORA_BUILD" = win32 ]; then ZELMORA_DIST="$1/dist"; else ZELMORA_DIST="$1/dist-$ZELMORA_BUILD"; fi
  ZELMORA_CROSS="$1/$ZELMORA_BUILD"
  export ZELMORA_BUILD ZELMORA_DIST ZELMORA_CROSS
}
