# Benchmark programs (run by scripts/bench.sh): the floor programs the start-up is measured
# against, the launcher that times the starts, and the keystroke benchmark.
set(bench_dir ${CMAKE_SOURCE_DIR}/tools/bench)

# The floors and the program's own steps are built as the program is: same options, no C
# runtime, the same resources, so that they load alike. bare is one window, skeleton the
# 112 controls and nothing else, literal every start-up call the program must make.
foreach(floor bare skeleton literal)
  add_executable(bench_${floor} WIN32 ${bench_dir}/${floor}.cpp ${bench_dir}/floor.cpp ${ZELMORA_RESOURCES})
  target_compile_options(bench_${floor} PRIVATE ${ZELMORA_TEST_OPTIONS} ${ZELMORA_LEAN})
  target_compile_definitions(bench_${floor} PRIVATE ${ZELMORA_DEFINITIONS})
  zelmora_without_runtime(bench_${floor})
endforeach()
target_sources(bench_literal PRIVATE ${CMAKE_SOURCE_DIR}/window/menu_brush_choice.cpp)

add_executable(startbench ${bench_dir}/startbench.cpp)
target_compile_options(startbench PRIVATE ${ZELMORA_TEST_OPTIONS})
target_compile_definitions(startbench PRIVATE ${ZELMORA_DEFINITIONS})
target_link_options(startbench PRIVATE ${ZELMORA_TEST_LINK})

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(size_letter y) # operator new's size_t in its linker name: unsigned long long
else()
  set(size_letter j) # unsigned int
endif()
add_executable(keybench ${bench_dir}/keybench.cpp ${ZELMORA_RESOURCES})
target_compile_options(keybench PRIVATE ${ZELMORA_TEST_OPTIONS})
target_link_libraries(keybench PRIVATE zelmora_core)
target_link_options(keybench PRIVATE ${ZELMORA_TEST_LINK}
  -Wl,--wrap=malloc -Wl,--wrap=calloc -Wl,--wrap=realloc -Wl,--wrap=_Znw${size_letter} -Wl,--wrap=_Zna${size_letter})

# The program's own start-up steps timed one by one, to see where a slow start goes.
add_executable(stepbench WIN32 ${bench_dir}/stepbench.cpp ${bench_dir}/floor.cpp ${ZELMORA_RESOURCES})
target_compile_options(stepbench PRIVATE ${ZELMORA_TEST_OPTIONS} ${ZELMORA_LEAN})
target_link_libraries(stepbench PRIVATE zelmora_core)
zelmora_without_runtime(stepbench)
