esc_bench(bench_link ${CMAKE_CURRENT_LIST_DIR}/bench_link.cpp app link pages test_support)
