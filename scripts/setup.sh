#!/usr/bin/env bash
# Installs what is missing, builds, and then runs the program ("run") or all
# the tests ("test"); "bench" runs the benchmarks, "fuzz" the fuzz targets.
# Meant for a fresh Debian 12 machine, run as root.
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

# The tests have one build of their own: the whole project and every test
# program under the address and undefined-behaviour sanitizers, optimised (-O1,
# with line tables for the sanitizers' reports and assertions left on), so that
# corrupt input must fail cleanly and leak nothing everywhere the tests reach.
test_build_dir=${TEST_BUILD_DIR:-build-test}
build_tests() {
  cmake -S . -B "$test_build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DESCTOOL_SANITIZE=ON \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DESCTOOL_TESTS=ON "$@"
  cmake --build "$test_build_dir" -j "$(nproc)"
}

# Runs the tests once each, one process per test case and as many side by
# side as there are cores, on one virtual display; with "wm" as $2 that display
# has a window manager (openbox), so that windows are framed, placed and
# resized as on a desktop. No test is run a second time: a test that fails
# once fails the run. $1 is the locale the tests run in; further arguments go
# to ctest.
run_tests() {
  local locale=$1 wm=$2
  shift 2
  local suppressions="$PWD/scripts/lsan.supp" manager=()
  [ "$wm" = wm ] && manager=(bash scripts/with_window_manager.sh)
  # GTK's accessibility bridge keeps D-Bus buffers it never frees: left off.
  # No allocation may ask for more than 1 GB (an image decoder that trusts a
  # header would).
  LC_ALL=$locale LANG=$locale NO_AT_BRIDGE=1 LSAN_OPTIONS="suppressions=$suppressions" \
    ASAN_OPTIONS="max_allocation_size_mb=1024:allocator_may_return_null=0" \
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    "${manager[@]}" ctest --test-dir "$test_build_dir" --output-on-failure -j "$(nproc)" "$@"
}

# The whole suite in the C locale, then again with a decimal comma
# (de_DE.UTF-8): numbers written to files, devices, PDFs and streams keep "."
# whatever the user's locale. Every pass runs; the command fails if any did.
run_all_tests() {
  local started built tested failed=0
  started=$(date +%s)
  build_tests
  built=$(date +%s)
  # The tests labelled bare_display need exact client geometry and get a
  # display without a window manager (tests/CMakeLists.txt says why).
  run_tests C.UTF-8 wm -LE bare_display || failed=1
  run_tests C.UTF-8 bare -L bare_display || failed=1
  tested=$(date +%s)
  run_tests de_DE.UTF-8 wm -LE bare_display || failed=1
  run_tests de_DE.UTF-8 bare -L bare_display || failed=1
  echo "Build: $((built - started)) s; tests: $((tested - built)) s;" \
    "tests under de_DE.UTF-8: $(($(date +%s) - tested)) s"
  return $failed
}

# Builds the fuzz targets of fuzz/ with clang and libFuzzer and runs each for
# FUZZ_SECONDS (default 60) from its checked-in corpus. New corpus entries go
# to the build folder; a crash leaves its input there and stops the command
# (add it to fuzz/corpus/NAME once mended: the test command replays it).
fuzz() {
  local dir=${FUZZ_BUILD_DIR:-build-fuzz} seconds=${FUZZ_SECONDS:-60}
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DESCTOOL_FUZZ=ON -DESCTOOL_TESTS=OFF
  cmake --build "$dir" -j "$(nproc)" --target fuzz_all
  local failed=()
  for target in "$dir"/fuzz/fuzz_*; do
    local name=${target##*/fuzz_}
    mkdir -p "$dir/fuzz/found/$name" "$dir/fuzz/artifacts/$name"
    echo "Fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$dir/fuzz/artifacts/$name/" "$dir/fuzz/found/$name" "fuzz/corpus/$name" ||
      failed+=("$name")
  done
  if [ ${#failed[@]} -gt 0 ]; then
    echo "Findings (inputs in $dir/fuzz/artifacts/): ${failed[*]}" >&2
    return 1
  fi
}

# Gives the logged-in user access to the adapters' hidraw nodes, and has udev
# apply the rule to adapters already plugged in. Where udev does not run (a
# container) the rule is installed all the same and the reload is skipped.
install_udev_rule() {
  local rule=resources/udev/70-esctool-adapters.rules
  install -D -m 644 "$rule" "/etc/udev/rules.d/${rule##*/}"
  if command -v udevadm >/dev/null && udevadm control --reload-rules 2>/dev/null; then
    udevadm trigger --subsystem-match=hidraw || true
  else
    echo "udev is not running: the adapter rule applies from the next start of udev"
  fi
}

# The calendar tests and their gallery draw month and day names in English
# and Chinese, and the suite runs a second time with a decimal comma: the
# three UTF-8 locales are generated when missing.
install_locales() {
  local wanted=("en_US.UTF-8 UTF-8" "zh_CN.UTF-8 UTF-8" "de_DE.UTF-8 UTF-8") added=0
  for entry in "${wanted[@]}"; do
    grep -qx "$entry" /etc/locale.gen 2>/dev/null || { echo "$entry" >>/etc/locale.gen; added=1; }
  done
  locale -a | grep -qix 'zh_CN.utf8' && locale -a | grep -qix 'en_US.utf8' &&
    locale -a | grep -qix 'de_DE.utf8' && [ $added -eq 0 ] ||
    locale-gen
}

install_missing
install_locales
install_udev_rule
case "$mode" in
  run)
    build -DESCTOOL_TESTS=OFF
    exec "$build_dir/esctool"
    ;;
  test)
    # One X server serves every test; -noreset keeps it from restarting whenever the
    # last test closes its connection, which would refuse a test connecting meanwhile.
    run_all_tests
    ;;
  bench)
    build -DESCTOOL_TESTS=OFF -DESCTOOL_BENCH=ON
    # Some benchmarks draw in windows: they run on a virtual display.
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
      bash -c 'for b in "$1"/bench/bench_*; do "$b" || exit 1; done' bench "$build_dir"
    ;;
  fuzz)
    fuzz
    ;;
  *)
    echo "usage: $0 run|test|bench|fuzz" >&2
    exit 2
    ;;
esac
