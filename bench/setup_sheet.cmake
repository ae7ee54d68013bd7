esc_bench(bench_setup_sheet ${CMAKE_CURRENT_LIST_DIR}/bench_setup_sheet.cpp files app)
