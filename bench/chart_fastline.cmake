esc_bench(bench_chart_fastline ${CMAKE_CURRENT_LIST_DIR}/bench_chart_fastline.cpp chart test_support)
