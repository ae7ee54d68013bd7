esc_bench(bench_object_stream ${CMAKE_CURRENT_LIST_DIR}/bench_object_stream.cpp scene)
