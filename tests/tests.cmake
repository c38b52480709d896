# The checks that run once, whichever builds run under Wine here (those are declared for each
# build by tests/wine-tests.cmake). A test's name leads to its source: a program of
# tests/win32/programs.cmake, a script tests/e2e/NAME.sh, or a check below.

# The installer is a 32-bit program: where none runs, its run is reported as skipped.
if(NOT "win32" IN_LIST ZELMORA_SUITES)
  zelmora_skipped_test(win32/release_end_to_end "the installer is a 32-bit program, and this machine runs none")
endif()

# Checks of what the build made and of the sources, without Wine (tests/checks/).
foreach(build win32 win64)
  add_test(NAME ${build}/exe_header COMMAND bash "${CMAKE_SOURCE_DIR}/tests/checks/exe_header.sh"
    "${ZELMORA_DIST_${build}}/bin/zelmora.exe" "${CMAKE_BINARY_DIR}/${build}/zelmora.map" ${build})
endforeach()
add_test(NAME pictures COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tools/picgen/check_pictures.py"
  "${CMAKE_SOURCE_DIR}/app/pictures")
add_test(NAME help_file COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tools/help/check_help.py"
  "${ZELMORA_DIST_win32}/help/zelmora.chm")
add_test(NAME help_tools COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tests/tools/test_help.py")
add_test(NAME session_start COMMAND bash "${CMAKE_SOURCE_DIR}/tests/checks/session_start.sh")
add_test(NAME bench_tools COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tests/tools/test_server_requests.py")
# The program's includes point only down its layers (README, "How the code is laid out").
add_test(NAME layers COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tests/checks/layers.py" "${CMAKE_SOURCE_DIR}")
# Every C++ source keeps the one format of the root .clang-format.
find_program(ZELMORA_CLANG_FORMAT clang-format)
if(ZELMORA_CLANG_FORMAT)
  set(format_sources)
  foreach(folder base app sheet window input info tests tools)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${folder}/*.cpp" "${CMAKE_SOURCE_DIR}/${folder}/*.h")
    list(APPEND format_sources ${found})
  endforeach()
  add_test(NAME format COMMAND ${ZELMORA_CLANG_FORMAT} --dry-run --Werror ${format_sources})
endif()
