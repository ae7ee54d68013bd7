esc_bench(bench_pages ${CMAKE_CURRENT_LIST_DIR}/bench_pages.cpp app link pages)
target_compile_definitions(bench_pages PRIVATE ESCTOOL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
