# Colours, pictures, the menu look, the resource table and the fonts, on the real window under Wine.
add_executable(look_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/main_window_fixture.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pixels.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/colours_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/images_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/menu_look_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/resources_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/fonts_test.cpp
  ${ZELMORA_RESOURCES})
# The resource test reads the shipped executable; a Unix path is reached through Wine's drive Z:.
set(look_exe "${ZELMORA_DIST_DIR}/bin/zelmora.exe")
if(CMAKE_HOST_UNIX)
  set(look_exe "Z:${look_exe}")
endif()
target_compile_definitions(look_tests PRIVATE ZELMORA_EXE_PATH="${look_exe}")
target_compile_options(look_tests PRIVATE ${ZELMORA_TEST_OPTIONS})
target_link_libraries(look_tests PRIVATE zelmora_core gtest_main version)
target_link_options(look_tests PRIVATE -static -static-libgcc -static-libstdc++)
add_dependencies(look_tests zelmora)
