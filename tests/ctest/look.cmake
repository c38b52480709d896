# Colours, pictures, menu look and resources, under Wine.
zelmora_wine_test(look ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/look_tests.exe")
