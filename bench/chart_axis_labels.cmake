esc_bench(bench_chart_axis_labels ${CMAKE_CURRENT_LIST_DIR}/bench_chart_axis_labels.cpp chart test_support)
