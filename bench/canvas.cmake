esc_bench(bench_canvas ${CMAKE_CURRENT_LIST_DIR}/bench_canvas.cpp canvas)
