# The link benchmark drives the simulated adapter of the test support library,
# which the tests define when they are built; without them it is made here.
if(NOT TARGET test_support)
  esc_library(test_support tests/support platform_rtl platform_hid)
endif()
esc_bench(bench_link ${CMAKE_CURRENT_LIST_DIR}/bench_link.cpp app link pages test_support)
