# The test programs that drive the program's real windows under Wine, one call each:
#   zelmora_test_program(NAME SOURCES ... [OPTIONS ...] [DEFINITIONS ...] [LIBRARIES ...] [DEPENDS ...])
# makes programs/NAME_tests.exe of each cross build (tests/win32/CMakeLists.txt) and the
# ctest test BUILD/NAME that runs it under Wine (in the host build, tests/wine-tests.cmake).
# Sources are relative to tests/.
set(ZELMORA_DIST_ON_WINE "${ZELMORA_DIST_DIR}")
if(CMAKE_HOST_UNIX)
  set(ZELMORA_DIST_ON_WINE "Z:${ZELMORA_DIST_DIR}") # a Unix path is reached through Wine's drive Z:
endif()

zelmora_test_program(window
  SOURCES win32/main_window_fixture.cpp win32/startup_test.cpp win32/layout_test.cpp win32/editor_test.cpp
          win32/totals_test.cpp win32/commands_test.cpp)

# Tooltips, the help launch and the About dialog; the help tests copy the compiled help.
zelmora_test_program(info
  SOURCES win32/main_window_fixture.cpp win32/info_watch.cpp win32/tooltips_test.cpp win32/help_test.cpp
          win32/about_test.cpp
  DEFINITIONS ZELMORA_CHM_PATH="${ZELMORA_DIST_ON_WINE}/help/zelmora.chm"
  DEPENDS help_file)

# Colours, pictures, the menu look, the fonts, and the resource table of the shipped program.
zelmora_test_program(look
  SOURCES win32/main_window_fixture.cpp win32/pixels.cpp win32/colours_test.cpp win32/images_test.cpp
          win32/menu_look_test.cpp win32/resources_test.cpp win32/fonts_test.cpp
  DEFINITIONS ZELMORA_EXE_PATH="${ZELMORA_DIST_ON_WINE}/bin/zelmora.exe"
  LIBRARIES version
  DEPENDS zelmora)

# Moving around the sheet: the keys, the wheel, the colour menu and the image buttons.
zelmora_test_program(navigation
  SOURCES win32/main_window_fixture.cpp win32/navigation_test.cpp win32/colour_menu_test.cpp
          win32/buttons_test.cpp)

# A seeded random stream against the real window, and the resource counts.
zelmora_test_program(robustness SOURCES win32/main_window_fixture.cpp win32/robustness_test.cpp)

# The walk along the frame pointers that the fatal-error box shows.
zelmora_test_program(stack_walk SOURCES fatal/stack_walk_test.cpp OPTIONS -fno-omit-frame-pointer)
