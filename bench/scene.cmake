esc_bench(bench_scene ${CMAKE_CURRENT_LIST_DIR}/bench_scene.cpp controls canvas)
esc_object_stream(bench_scene defaultzrstyle ${CMAKE_SOURCE_DIR}/resources/styles/defaultzrstyle.txt)
