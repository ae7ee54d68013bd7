esc_bench(bench_chart_spline ${CMAKE_CURRENT_LIST_DIR}/bench_chart_spline.cpp chart)
