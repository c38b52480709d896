# Tooltips, the help launch and the About dialog, on the real window under Wine.
add_executable(info_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/main_window_fixture.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/info_watch.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tooltips_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/help_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/about_test.cpp
  ${ZELMORA_RESOURCES})
# The help tests copy the compiled help file; a Unix path is reached through Wine's drive Z:.
set(info_chm "${ZELMORA_DIST_DIR}/help/zelmora.chm")
if(CMAKE_HOST_UNIX)
  set(info_chm "Z:${info_chm}")
endif()
target_compile_definitions(info_tests PRIVATE ZELMORA_CHM_PATH="${info_chm}")
target_compile_options(info_tests PRIVATE ${ZELMORA_TEST_OPTIONS})
target_link_libraries(info_tests PRIVATE zelmora_core gtest_main)
target_link_options(info_tests PRIVATE -static -static-libgcc -static-libstdc++)
if(TARGET help_file)
  add_dependencies(info_tests help_file)
endif()
