# Moving around the sheet: navigation keys, the wheel, the colour menu and the image buttons.
add_executable(nav_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/main_window_fixture.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/navigation_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/colour_menu_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/buttons_test.cpp
  ${ZELMORA_RESOURCES})
target_compile_options(nav_tests PRIVATE ${ZELMORA_TEST_OPTIONS})
target_link_libraries(nav_tests PRIVATE zelmora_core gtest_main)
target_link_options(nav_tests PRIVATE -static -static-libgcc -static-libstdc++)
