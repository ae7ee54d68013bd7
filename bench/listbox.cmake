esc_bench(bench_listbox ${CMAKE_CURRENT_LIST_DIR}/bench_listbox.cpp controls canvas)
esc_object_stream(bench_listbox defaultzrstyle ${CMAKE_SOURCE_DIR}/resources/styles/defaultzrstyle.txt)
