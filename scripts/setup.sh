#!/usr/bin/env bash
# Installs what is missing, builds, and then runs the program ("run") or all
# the tests ("test"). Meant for a fresh Debian 12 machine, run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
build_dir=${BUILD_DIR:-build}

install_missing() {
  local wanted missing=()
  wanted=$(grep -v '^#' scripts/packages.txt | grep -v '^$')
  for pkg in $wanted; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$build_dir" -j "$(nproc)"
}

# Streams, the object tree, the run-time layer, bitmaps with their canvases and
# the image codecs under the address and undefined-behaviour sanitizers (the
# scene tests open forms, so they run on a virtual display):
# corrupt input must fail cleanly, leaking nothing. No allocation may ask for
# more than 1 GB (an image decoder that trusts a header would).
sanitized_tests() {
  local dir=${SANITIZE_BUILD_DIR:-build-sanitize}
  local suppressions="$PWD/scripts/lsan.supp"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DESCTOOL_SANITIZE=ON
  cmake --build "$dir" -j "$(nproc)" --target test_scene test_platform_rtl test_canvas \
    test_platform_gdiplus
  # GTK's accessibility bridge keeps D-Bus buffers it never frees: left off.
  (cd "$dir" && export LSAN_OPTIONS="suppressions=$suppressions" && export NO_AT_BRIDGE=1 &&
    export ASAN_OPTIONS="max_allocation_size_mb=1024:allocator_may_return_null=0" &&
    ./tests/test_platform_rtl --gtest_brief=1 && xvfb-run -a ./tests/test_scene --gtest_brief=1 &&
    ./tests/test_canvas --gtest_brief=1 && ./tests/test_platform_gdiplus --gtest_brief=1)
}

install_missing
case "$mode" in
  run)
    build -DESCTOOL_TESTS=OFF
    exec "$build_dir/esctool"
    ;;
  test)
    sanitized_tests
    build -DESCTOOL_TESTS=ON
    xvfb-run -a ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
    ;;
  sanitize)
    sanitized_tests
    ;;
  bench)
    build -DESCTOOL_TESTS=OFF -DESCTOOL_BENCH=ON
    for b in "$build_dir"/bench/bench_*; do "$b"; done
    ;;
  *)
    echo "usage: $0 run|test|sanitize|bench" >&2
    exit 2
    ;;
esac
