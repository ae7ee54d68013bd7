esc_bench(bench_scene ${CMAKE_CURRENT_LIST_DIR}/bench_scene.cpp canvas)
