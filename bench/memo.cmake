esc_bench(bench_memo ${CMAKE_CURRENT_LIST_DIR}/bench_memo.cpp controls canvas)
esc_object_stream(bench_memo defaultzrstyle ${CMAKE_SOURCE_DIR}/resources/styles/defaultzrstyle.txt)
