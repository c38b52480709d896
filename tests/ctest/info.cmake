# Tooltips, help and About: in-process under Wine, and the shipped program driven from outside.
zelmora_wine_test(info ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/info_tests.exe")
zelmora_wine_test(info_help_end_to_end bash "${CMAKE_SOURCE_DIR}/tests/e2e/info_help_test.sh")
zelmora_wine_test(info_hover_end_to_end bash "${CMAKE_SOURCE_DIR}/tests/e2e/info_hover_test.sh")
