# The Windows build: zelmora.exe laid out as users get it, and the tests that run under Wine.
enable_language(RC)

set(ZELMORA_DIST_DIR "${CMAKE_BINARY_DIR}/dist" CACHE PATH "Where the program is laid out: bin/ and help/")

set(ZELMORA_WINDOW_SOURCES
  app/startup.cpp
  app/fatal.cpp
  sheet/totals.cpp
  sheet/cells.cpp
  sheet/commands.cpp
  window/main_window.cpp
  window/layout.cpp
  window/images.cpp
  window/colours.cpp
  window/menu_look.cpp
  input/cell_edit.cpp
  input/buttons.cpp
  info/tooltips.cpp
  info/help.cpp
  info/about.cpp)

set(ZELMORA_WARNINGS -Wall -Wextra)
# The program's own texts are Windows-1251, as the ANSI functions take them.
set(ZELMORA_CHARSET -finput-charset=UTF-8 -fexec-charset=CP1251)
set(ZELMORA_LEAN -Os -fno-exceptions -fno-rtti -fno-omit-frame-pointer)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # The 32-bit fatal-error box follows the frame pointers and needs no unwind tables; on
  # x86-64 the box and Windows' own exception dispatch walk the stack with them.
  list(APPEND ZELMORA_LEAN -fno-asynchronous-unwind-tables)
  set(ZELMORA_ENTRY _ProgramStart) # 32-bit C names carry a leading underscore
else()
  set(ZELMORA_ENTRY ProgramStart)
endif()
# Subsystem and OS version 4.0, so the oldest systems load the file and can show their refusal;
# terminal-server aware, so that there the help viewer is looked for in the system's own folder.
# The 64-bit build names the first 64-bit Windows, 5.2.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ZELMORA_WINDOWS_VERSION 4 0)
else()
  set(ZELMORA_WINDOWS_VERSION 5 2)
endif()
list(GET ZELMORA_WINDOWS_VERSION 0 major)
list(GET ZELMORA_WINDOWS_VERSION 1 minor)
set(ZELMORA_LINK -static -static-libgcc -static-libstdc++ -mwindows -s
    -Wl,--major-subsystem-version,${major} -Wl,--minor-subsystem-version,${minor}
    -Wl,--major-os-version,${major} -Wl,--minor-os-version,${minor} -Wl,--tsaware)

set(ZELMORA_DEFINITIONS WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 STRICT)

# The version header and the manifest of this build, made from the project's version and the
# processor the build is for; every target here (and the resources) sees the header.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ZELMORA_ARCHITECTURE X86)
else()
  set(ZELMORA_ARCHITECTURE amd64)
endif()
set(ZELMORA_GENERATED "${CMAKE_BINARY_DIR}/generated")
configure_file(${CMAKE_SOURCE_DIR}/base/version.h.in "${ZELMORA_GENERATED}/version.h" @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/app/zelmora.manifest.in "${ZELMORA_GENERATED}/zelmora.manifest" @ONLY)
include_directories("${ZELMORA_GENERATED}")

add_library(zelmora_core STATIC ${ZELMORA_PURE_SOURCES} ${ZELMORA_WINDOW_SOURCES})
target_compile_definitions(zelmora_core PUBLIC ${ZELMORA_DEFINITIONS})
target_compile_options(zelmora_core PRIVATE ${ZELMORA_WARNINGS} ${ZELMORA_CHARSET} ${ZELMORA_LEAN})
target_link_libraries(zelmora_core PUBLIC comctl32 gdi32 user32 kernel32)

# Resources are linked into every executable that needs them: the linker drops them from libraries.
set(ZELMORA_RESOURCES ${CMAKE_SOURCE_DIR}/app/zelmora.rc)
set_source_files_properties(${ZELMORA_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${ZELMORA_GENERATED}/zelmora.manifest;${ZELMORA_GENERATED}/version.h;${CMAKE_SOURCE_DIR}/base/resource.h;${CMAKE_SOURCE_DIR}/app/pictures.rc")

# A program linked without the C runtime: app/runtime.cpp gives it its entry point and the
# little of a runtime it uses, the static libgcc the 64-bit division and the stack probe, so
# that it imports system DLLs only. The link map lists every section it took in.
set(ZELMORA_RUNTIME ${CMAKE_SOURCE_DIR}/app/runtime.cpp)
# The runtime's memory functions must not be compiled into calls to themselves.
set_source_files_properties(${ZELMORA_RUNTIME} PROPERTIES COMPILE_OPTIONS -fno-tree-loop-distribute-patterns)
function(zelmora_without_runtime target)
  target_sources(${target} PRIVATE ${ZELMORA_RUNTIME})
  target_link_options(${target} PRIVATE ${ZELMORA_LINK} -nostdlib -Wl,-e,${ZELMORA_ENTRY}
    -Wl,-Map,${CMAKE_BINARY_DIR}/${target}.map)
  target_link_libraries(${target} PRIVATE gcc kernel32 user32 gdi32 comctl32)
endfunction()

add_executable(zelmora WIN32 app/main.cpp ${ZELMORA_RESOURCES})
target_compile_options(zelmora PRIVATE ${ZELMORA_WARNINGS} ${ZELMORA_CHARSET} ${ZELMORA_LEAN})
target_link_libraries(zelmora PRIVATE zelmora_core)
zelmora_without_runtime(zelmora)
set_target_properties(zelmora PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY "${ZELMORA_DIST_DIR}/bin"
  RUNTIME_OUTPUT_DIRECTORY_RELEASE "${ZELMORA_DIST_DIR}/bin"
  RUNTIME_OUTPUT_DIRECTORY_DEBUG "${ZELMORA_DIST_DIR}/bin")

if(CMAKE_HOST_UNIX)
  include(cmake/help.cmake)
endif()

set(ZELMORA_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest's sources, for the tests that drive the real window")
if(EXISTS "${ZELMORA_GTEST_SOURCE}/CMakeLists.txt")
  set(ZELMORA_TESTS_DEFAULT ON)
else()
  set(ZELMORA_TESTS_DEFAULT OFF)
endif()
option(ZELMORA_WINDOWS_TESTS "Build the tests that drive the real window, the probes and the benchmarks" ${ZELMORA_TESTS_DEFAULT})
if(ZELMORA_WINDOWS_TESTS)
  # Every test program, probe and benchmark of this build in one folder, beside none of the
  # program's own files.
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/programs")
  set(ZELMORA_TEST_OPTIONS -Wall -Wextra ${ZELMORA_CHARSET})
  # Linked statically, so that they need no DLL beside them under Wine.
  set(ZELMORA_TEST_LINK -static -static-libgcc -static-libstdc++)
  # A program that watches or drives zelmora.exe from outside: NAME SOURCES...
  function(zelmora_probe name)
    add_executable(${name} ${ARGN})
    target_compile_options(${name} PRIVATE ${ZELMORA_TEST_OPTIONS})
    target_compile_definitions(${name} PRIVATE ${ZELMORA_DEFINITIONS})
    target_link_options(${name} PRIVATE ${ZELMORA_TEST_LINK})
  endfunction()
  add_subdirectory(tests/win32)
  add_subdirectory(tools)
endif()
