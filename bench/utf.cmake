esc_bench(bench_utf ${CMAKE_CURRENT_LIST_DIR}/bench_utf.cpp platform_rtl)
