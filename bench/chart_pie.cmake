esc_bench(bench_chart_pie ${CMAKE_CURRENT_LIST_DIR}/bench_chart_pie.cpp chart test_support)
