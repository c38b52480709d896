# A Linux host: the arithmetic tested natively; the program and the window tests
# cross-built for Windows and run under Wine on a virtual display.
#
# Two Windows builds of the same sources: win32, the shipped 32-bit program (dist/), and
# win64, the same program for 64-bit Windows (dist-win64/), for machines whose kernel runs
# no 32-bit code. ZELMORA_SUITES names the builds whose tests run here under Wine
# (scripts/test.sh decides it by trying a 32-bit program).
include(ExternalProject)

find_package(GTest REQUIRED)
add_executable(pure_tests
  tests/host/duration_test.cpp
  tests/host/cell_keys_test.cpp
  tests/host/placement_test.cpp
  tests/host/help_path_test.cpp
  tests/host/menu_brush_choice_test.cpp
  ${ZELMORA_PURE_SOURCES})
target_compile_options(pure_tests PRIVATE -Wall -Wextra)
target_link_libraries(pure_tests PRIVATE GTest::gtest_main)
add_test(NAME pure COMMAND pure_tests)

set(ZELMORA_SUITES "win32;win64" CACHE STRING "The Windows builds whose tests run under Wine here: win32, win64 or both")
set(ZELMORA_TOOLCHAIN_win32 mingw-i686)
set(ZELMORA_TOOLCHAIN_win64 mingw-x86_64)
set(ZELMORA_DIST_win32 "${CMAKE_BINARY_DIR}/dist")
set(ZELMORA_DIST_win64 "${CMAKE_BINARY_DIR}/dist-win64")
foreach(build win32 win64)
  # The test programs of a build are made only where its suite runs; the 32-bit program
  # itself always is, since it is what users get and what the header checks read.
  if(build IN_LIST ZELMORA_SUITES)
    set(with_tests ON)
  else()
    set(with_tests OFF)
  endif()
  ExternalProject_Add(${build}
    SOURCE_DIR "${CMAKE_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/${build}"
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/${ZELMORA_TOOLCHAIN_${build}}.cmake
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DZELMORA_DIST_DIR=${ZELMORA_DIST_${build}}
      -DZELMORA_WINDOWS_TESTS=${with_tests}
    BUILD_ALWAYS 1
    INSTALL_COMMAND ""
    TEST_COMMAND "")
endforeach()

# A test that runs under Wine in the session of the build being declared: NAME, then the
# command and its arguments. Its ctest name is BUILD/NAME.
function(zelmora_wine_test name)
  add_test(NAME ${ZELMORA_BUILD}/${name} COMMAND ${ARGN})
  set_tests_properties(${ZELMORA_BUILD}/${name} PROPERTIES
    FIXTURES_REQUIRED wine_${ZELMORA_BUILD} RESOURCE_LOCK display TIMEOUT 900
    ENVIRONMENT "ZELMORA_SESSION=${ZELMORA_SESSION};ZELMORA_DIST=${ZELMORA_DIST_DIR};ZELMORA_CROSS=${ZELMORA_CROSS_DIR};ZELMORA_BUILD=${ZELMORA_BUILD}")
endfunction()

# A test that cannot run on this machine: it says why and counts as skipped.
function(zelmora_skipped_test name why)
  add_test(NAME ${name} COMMAND sh -c "echo 'skipped: ${why}'; exit 77")
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()

# Each build's suite: one Wine prefix and one virtual display for the whole of it.
foreach(ZELMORA_BUILD win32 win64)
  if(NOT ZELMORA_BUILD IN_LIST ZELMORA_SUITES)
    continue()
  endif()
  set(ZELMORA_CROSS_DIR "${CMAKE_BINARY_DIR}/${ZELMORA_BUILD}")
  set(ZELMORA_DIST_DIR "${ZELMORA_DIST_${ZELMORA_BUILD}}")
  set(ZELMORA_SESSION "${CMAKE_BINARY_DIR}/wine-session-${ZELMORA_BUILD}")
  set(WINE_RUN "${CMAKE_SOURCE_DIR}/scripts/lib/wine-run.sh" "${ZELMORA_SESSION}")
  add_test(NAME ${ZELMORA_BUILD}/wine_session_start
    COMMAND "${CMAKE_SOURCE_DIR}/scripts/lib/wine-session.sh" start "${ZELMORA_SESSION}"
            "${CMAKE_BINARY_DIR}/wineprefix-${ZELMORA_BUILD}" ${ZELMORA_BUILD}
            "${ZELMORA_CROSS_DIR}/programs/keeper.exe")
  add_test(NAME ${ZELMORA_BUILD}/wine_session_stop
    COMMAND "${CMAKE_SOURCE_DIR}/scripts/lib/wine-session.sh" stop "${ZELMORA_SESSION}")
  set_tests_properties(${ZELMORA_BUILD}/wine_session_start PROPERTIES FIXTURES_SETUP wine_${ZELMORA_BUILD})
  set_tests_properties(${ZELMORA_BUILD}/wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_${ZELMORA_BUILD})
  include(${CMAKE_SOURCE_DIR}/tests/wine-tests.cmake)
endforeach()

set(ZELMORA_DIST_DIR "${ZELMORA_DIST_win32}")
include(${CMAKE_SOURCE_DIR}/tests/tests.cmake)
