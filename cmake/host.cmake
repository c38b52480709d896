# A Linux host: the arithmetic tested natively; the program and the window tests
# cross-built for 32-bit Windows and run under Wine on a virtual display.
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

set(ZELMORA_DIST_DIR "${CMAKE_BINARY_DIR}/dist")
set(ZELMORA_WIN32_DIR "${CMAKE_BINARY_DIR}/win32")
ExternalProject_Add(win32
  SOURCE_DIR "${CMAKE_SOURCE_DIR}"
  BINARY_DIR "${ZELMORA_WIN32_DIR}"
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DZELMORA_DIST_DIR=${ZELMORA_DIST_DIR}
  BUILD_ALWAYS 1
  INSTALL_COMMAND ""
  TEST_COMMAND "")

# One Wine prefix and one virtual display for the whole run.
set(ZELMORA_SESSION "${CMAKE_BINARY_DIR}/wine-session")
set(WINE_RUN "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh" "${ZELMORA_SESSION}")
add_test(NAME wine_session_start
  COMMAND "${CMAKE_SOURCE_DIR}/scripts/wine-session.sh" start "${ZELMORA_SESSION}" "${CMAKE_BINARY_DIR}/wineprefix"
          "${ZELMORA_WIN32_DIR}/tests/win32/keeper.exe")
add_test(NAME wine_session_stop
  COMMAND "${CMAKE_SOURCE_DIR}/scripts/wine-session.sh" stop "${ZELMORA_SESSION}")
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)

# A test that runs under Wine: NAME, then the command and its arguments.
function(zelmora_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK display TIMEOUT 900
    ENVIRONMENT "ZELMORA_SESSION=${ZELMORA_SESSION};ZELMORA_DIST=${ZELMORA_DIST_DIR};ZELMORA_WIN32=${ZELMORA_WIN32_DIR}")
endfunction()

include(${CMAKE_SOURCE_DIR}/tests/tests.cmake)
