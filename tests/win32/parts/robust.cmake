# Fatal errors and robustness: the fault programs, the stack walk, the random stream and the
# resource counts, and the probe that faults a running program from outside.
add_executable(fault WIN32 ${CMAKE_SOURCE_DIR}/tests/fatal/fault.cpp)
# The faults are committed in functions with frame pointers, so the box shows their calls.
target_compile_options(fault PRIVATE ${ZELMORA_TEST_OPTIONS} ${ZELMORA_LEAN})
target_link_libraries(fault PRIVATE zelmora_core)
zelmora_without_runtime(fault)

add_executable(stack_walk_tests ${CMAKE_SOURCE_DIR}/tests/fatal/stack_walk_test.cpp)
target_compile_options(stack_walk_tests PRIVATE ${ZELMORA_TEST_OPTIONS} -fno-omit-frame-pointer)
target_link_libraries(stack_walk_tests PRIVATE zelmora_core gtest_main)
target_link_options(stack_walk_tests PRIVATE -static -static-libgcc -static-libstdc++)

add_executable(robustness_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/main_window_fixture.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/robustness_test.cpp
  ${ZELMORA_RESOURCES})
target_compile_options(robustness_tests PRIVATE ${ZELMORA_TEST_OPTIONS})
target_link_libraries(robustness_tests PRIVATE zelmora_core gtest_main)
target_link_options(robustness_tests PRIVATE -static -static-libgcc -static-libstdc++)

add_executable(faultinject ${CMAKE_SOURCE_DIR}/tools/probes/faultinject.cpp)
target_compile_options(faultinject PRIVATE ${ZELMORA_TEST_OPTIONS})
target_compile_definitions(faultinject PRIVATE ${ZELMORA_DEFINITIONS})
target_link_options(faultinject PRIVATE -static -static-libgcc -static-libstdc++)

# The hostile neighbour: another process that sends the running program a seeded message stream.
add_executable(neighbour ${CMAKE_SOURCE_DIR}/tools/probes/neighbour.cpp
  ${CMAKE_SOURCE_DIR}/tools/probes/neighbour_program.cpp ${CMAKE_SOURCE_DIR}/tools/probes/neighbour_messages.cpp)
target_compile_options(neighbour PRIVATE ${ZELMORA_TEST_OPTIONS})
target_compile_definitions(neighbour PRIVATE ${ZELMORA_DEFINITIONS})
target_link_options(neighbour PRIVATE -static -static-libgcc -static-libstdc++)
