esc_bench(bench_memo ${CMAKE_CURRENT_LIST_DIR}/bench_memo.cpp controls canvas)
