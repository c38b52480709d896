# Tests that run the program's real code under Wine (included by the host build).
zelmora_wine_test(window ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/window_tests.exe")
add_test(NAME pictures COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/tools/picgen/check_pictures.py" "${CMAKE_SOURCE_DIR}/app/pictures")
add_test(NAME help_file COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/help/check_help.py" "${ZELMORA_DIST_DIR}/help/zelmora.chm")
add_test(NAME help_tools COMMAND /usr/bin/python3 "${CMAKE_SOURCE_DIR}/help/tests/test_help.py")

# Further tests, one file each: ctest/*.cmake (they may use zelmora_wine_test, WINE_RUN,
# ZELMORA_WIN32_DIR and ZELMORA_DIST_DIR).
file(GLOB ZELMORA_CTEST_PARTS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/ctest/*.cmake")
foreach(part ${ZELMORA_CTEST_PARTS})
  include(${part})
endforeach()
