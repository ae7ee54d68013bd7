esc_bench(bench_canvas_d2d ${CMAKE_CURRENT_LIST_DIR}/bench_canvas_d2d.cpp canvas)
