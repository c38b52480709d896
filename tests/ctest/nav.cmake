# Moving around the sheet, inside the program and end-to-end with real X input.
zelmora_wine_test(navigation ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/nav_tests.exe")
zelmora_wine_test(navigation_end_to_end bash "${CMAKE_SOURCE_DIR}/tests/e2e/nav_test.sh")
