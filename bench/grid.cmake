esc_bench(bench_grid ${CMAKE_CURRENT_LIST_DIR}/bench_grid.cpp controls canvas)
esc_object_stream(bench_grid defaultzrstyle ${CMAKE_SOURCE_DIR}/resources/styles/defaultzrstyle.txt)
