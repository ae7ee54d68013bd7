esc_bench(bench_speed_chart ${CMAKE_CURRENT_LIST_DIR}/bench_speed_chart.cpp app link pages files)
