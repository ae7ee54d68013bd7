esc_bench(bench_firmware ${CMAKE_CURRENT_LIST_DIR}/bench_firmware.cpp app link pages)
