esc_bench(bench_path ${CMAKE_CURRENT_LIST_DIR}/bench_path.cpp scene)
