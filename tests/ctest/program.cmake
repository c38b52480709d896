zelmora_wine_test(program_end_to_end bash "${CMAKE_SOURCE_DIR}/tests/e2e/program_test.sh")
zelmora_wine_test(refusal_on_old_windows bash "${CMAKE_SOURCE_DIR}/tests/e2e/refusal_test.sh")
add_test(NAME exe_header COMMAND bash "${CMAKE_SOURCE_DIR}/tests/e2e/exe_header_test.sh" "${ZELMORA_DIST_DIR}/bin/zelmora.exe"
  "${ZELMORA_WIN32_DIR}/zelmora.map")
