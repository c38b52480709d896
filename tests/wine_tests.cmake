# Tests that run the program's real code under Wine (included by the host build).
zelmora_wine_test(window ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/window_tests.exe")
add_test(NAME pictures COMMAND python3 "${CMAKE_SOURCE_DIR}/tools/picgen/check_pictures.py" "${CMAKE_SOURCE_DIR}/app/pictures")
