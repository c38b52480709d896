# The release packages installed and removed under Wine; the keystroke's allocations and heap
# growth on the real window (counts only: the timings are scripts/bench.sh's).
zelmora_wine_test(release_end_to_end bash "${CMAKE_SOURCE_DIR}/tests/e2e/release_test.sh")
zelmora_wine_test(keystroke_allocations ${WINE_RUN} "${ZELMORA_WIN32_DIR}/tests/win32/keybench.exe" --check)
add_test(NAME bench_tools COMMAND python3 "${CMAKE_SOURCE_DIR}/tests/tools/test_server_requests.py")
