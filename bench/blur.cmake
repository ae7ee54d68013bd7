esc_bench(bench_blur ${CMAKE_CURRENT_LIST_DIR}/bench_blur.cpp controls)
