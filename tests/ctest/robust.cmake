# Fatal errors, the stack walk, random input and resource counts, under Wine.
zelmora_wine_test(stack_walk ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/stack_walk_tests.exe")
zelmora_wine_test(robustness ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/robustness_tests.exe")
zelmora_wine_test(fatal_errors bash "${CMAKE_SOURCE_DIR}/tests/e2e/robust_fatal_test.sh")
zelmora_wine_test(hostile_neighbour bash "${CMAKE_SOURCE_DIR}/tests/e2e/neighbour_test.sh")
