esc_bench(bench_gdiplus ${CMAKE_CURRENT_LIST_DIR}/bench_gdiplus.cpp platform_gdiplus scene)
