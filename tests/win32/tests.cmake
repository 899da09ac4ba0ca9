# Windows tests: the real main window under Wine, one process for all of them.
add_executable(win32_tests
  win32/test_main.cpp
  win32/harness.cpp
  win32/window_test.cpp
  win32/panel_test.cpp
  win32/paint_test.cpp
  win32/mst_presentation_test.cpp
  win32/command_test.cpp
  win32/editing_test.cpp
  win32/soak_test.cpp)
target_include_directories(win32_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(win32_tests PRIVATE grafuri_win test_support GTest::gtest)
target_compile_options(win32_tests PRIVATE ${GRAFURI_WARNINGS})
add_test(NAME win32_tests COMMAND win32_tests --gtest_filter=-Soak*)
add_test(NAME soak COMMAND win32_tests --gtest_filter=Soak*)

# End to end: the real program on the sample graph, a screenshot, WM_CLOSE, exit code 0.
add_executable(window_probe e2e/window_probe.cpp)
target_compile_options(window_probe PRIVATE ${GRAFURI_WARNINGS})
add_test(NAME end_to_end
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/end_to_end.sh
          $<TARGET_FILE:grafuri> $<TARGET_FILE:window_probe>
          ${PROJECT_SOURCE_DIR}/examples/RuriDU.in ${CMAKE_BINARY_DIR}/end_to_end)

# Timings under Wine (run by scripts/bench, not by the tests).
add_executable(minimal_window WIN32 bench/minimal_window.cpp)
add_executable(win32_bench bench/win32_bench.cpp)
target_include_directories(win32_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(win32_bench PRIVATE grafuri_win test_support)
