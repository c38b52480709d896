# The host build's half of the tests: every ctest test. A test's name leads to its source:
# a program of tests/win32/programs.cmake, a script tests/e2e/NAME.sh, or a check below.

# The test programs: ctest NAME runs tests/win32/NAME_tests.exe under Wine.
function(zelmora_test_program name)
  zelmora_wine_test(${name} ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/${name}_tests.exe")
endfunction()
include(${CMAKE_SOURCE_DIR}/tests/win32/programs.cmake)

# The shipped program under Wine with real X input, read and driven from outside: ctest NAME
# runs tests/e2e/NAME.sh.
foreach(name program_end_to_end navigation_end_to_end info_help_end_to_end info_hover_end_to_end
        help_walkthrough refusal_on_old_windows release_end_to_end fatal_errors hostile_neighbour)
  zelmora_wine_test(${name} bash "${CMAKE_SOURCE_DIR}/tests/e2e/${name}.sh")
endforeach()

# The keystroke's allocations and heap growth on the real window (counts only: the timings
# are scripts/bench.sh's).
zelmora_wine_test(keystroke_allocations ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/keybench.exe" --check)

# Checks of what the build made and of the sources, without Wine.
add_test(NAME exe_header COMMAND bash "${CMAKE_SOURCE_DIR}/tests/e2e/exe_header.sh"
  "${ZELMORA_DIST_DIR}/bin/zelmora.exe" "${ZELMORA_WIN32_DIR}/zelmora.map")
add_test(NAME pictures COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tools/picgen/check_pictures.py"
  "${CMAKE_SOURCE_DIR}/app/pictures")
add_test(NAME help_file COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/help/check_help.py"
  "${ZELMORA_DIST_DIR}/help/zelmora.chm")
add_test(NAME help_tools COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/help/tests/test_help.py")
add_test(NAME bench_tools COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tests/tools/test_server_requests.py")
# The program's includes point only down its layers (README, "How the code is laid out").
add_test(NAME layers COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tools/check_layers.py" "${CMAKE_SOURCE_DIR}")
# Every C++ source keeps the one format of the root .clang-format.
find_program(ZELMORA_CLANG_FORMAT clang-format)
if(ZELMORA_CLANG_FORMAT)
  set(format_sources)
  foreach(folder app sheet window input info tests tools)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${folder}/*.cpp" "${CMAKE_SOURCE_DIR}/${folder}/*.h")
    list(APPEND format_sources ${found})
  endforeach()
  add_test(NAME format COMMAND ${ZELMORA_CLANG_FORMAT} --dry-run --Werror ${format_sources})
endif()
