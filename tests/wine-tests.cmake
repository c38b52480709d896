# The tests that run under Wine, declared once for each build whose suite runs here
# (cmake/host.cmake sets ZELMORA_BUILD, its cross-build folder and its session): the ctest
# name of each is BUILD/NAME.

# The test programs: ctest BUILD/NAME runs NAME_tests.exe of that build (tests/win32/programs.cmake).
function(zelmora_test_program name)
  zelmora_wine_test(${name} ${WINE_RUN} "${ZELMORA_CROSS_DIR}/programs/${name}_tests.exe")
endfunction()
include(${CMAKE_SOURCE_DIR}/tests/win32/programs.cmake)

# The program under Wine with real X input, read and driven from outside: ctest BUILD/NAME
# runs tests/e2e/NAME.sh.
foreach(name program_end_to_end navigation_end_to_end info_help_end_to_end info_hover_end_to_end
        help_walkthrough refusal_on_old_windows fatal_errors hostile_neighbour)
  zelmora_wine_test(${name} bash "${CMAKE_SOURCE_DIR}/tests/e2e/${name}.sh")
endforeach()

# The faults only a 32-bit processor commits, or only 32-bit Wine reports to the program.
if(ZELMORA_BUILD STREQUAL win32)
  zelmora_wine_test(fatal_errors_x86 bash "${CMAKE_SOURCE_DIR}/tests/e2e/fatal_errors.sh" x86)
else()
  zelmora_skipped_test(${ZELMORA_BUILD}/fatal_errors_x86
    "64-bit Wine ends a program before any handler runs on a stack overflow (error 202) and on a fault with a frame pointer outside the stack (its dispatch unwinds through it); x86-64 has no INTO (error 215)")
endif()

# The release ships the 32-bit program: its installer is run in the 32-bit suite.
if(ZELMORA_BUILD STREQUAL win32)
  zelmora_wine_test(release_end_to_end bash "${CMAKE_SOURCE_DIR}/tests/e2e/release_end_to_end.sh")
endif()

# The keystroke's allocations and heap growth on the real window (counts only: the timings
# are scripts/bench.sh's).
zelmora_wine_test(keystroke_allocations ${WINE_RUN} "${ZELMORA_CROSS_DIR}/programs/keybench.exe" --check)
