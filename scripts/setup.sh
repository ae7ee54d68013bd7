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

# Streams, the object tree, the run-time layer, bitmaps with their canvases,
# the image codecs, the device-context layer, the chart base, the blur of the
# bitmap effects and the archive and XML layers under the address and
# undefined-behaviour sanitizers (the scene and control tests open forms, so
# they run on a virtual display): corrupt input must fail cleanly, leaking
# nothing. No allocation may ask for more than 1 GB (an image decoder that
# trusts a header would).
sanitized_tests() {
  local dir=${SANITIZE_BUILD_DIR:-build-sanitize}
  local suppressions="$PWD/scripts/lsan.supp"
  local plain="test_platform_rtl test_canvas test_platform_gdiplus test_platform_gdi
    test_platform_xml test_platform_zip"
  # Cairo's SVG surface keeps the recordings it was given as sources once a
  # second recording is written in one process (cairo 1.16), so the SVG export
  # tests (and the vector context's SVG figures, whose hatches are recordings)
  # run without the leak check.
  local svg_tests="PanelMetafile.SizesAndSvgFiles:PanelMetafile.SvgOnTheClipboard:PanelMetafile.ShapesAreSvgPaths"
  local gdi_svg_tests="VectorDC.FiguresReachSvgAsOutlines"
  local windowed="test_scene test_controls test_controls_text test_scene_popup
    test_value_controls test_lists test_grid test_chart_series test_chart_legend
    test_chart_control test_chart_functions
    test_extra_controls test_editors"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DESCTOOL_SANITIZE=ON
  # shellcheck disable=SC2086
  cmake --build "$dir" -j "$(nproc)" --target $plain $windowed test_chart
  # GTK's accessibility bridge keeps D-Bus buffers it never frees: left off.
  (cd "$dir" && export LSAN_OPTIONS="suppressions=$suppressions" && export NO_AT_BRIDGE=1 &&
    export ASAN_OPTIONS="max_allocation_size_mb=1024:allocator_may_return_null=0" &&
    for t in $plain; do ./tests/$t --gtest_brief=1 --gtest_filter="-$gdi_svg_tests" || exit 1; done &&
    ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" ./tests/test_platform_gdi --gtest_brief=1 \
      --gtest_filter="$gdi_svg_tests" &&
    xvfb-run -a ./tests/test_chart --gtest_brief=1 --gtest_filter="-$svg_tests" &&
    for t in $windowed; do xvfb-run -a ./tests/$t --gtest_brief=1 || exit 1; done &&
    ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" xvfb-run -a ./tests/test_chart --gtest_brief=1 \
      --gtest_filter="$svg_tests")
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
# and Chinese: both UTF-8 locales are generated when missing.
install_locales() {
  local wanted=("en_US.UTF-8 UTF-8" "zh_CN.UTF-8 UTF-8") added=0
  for entry in "${wanted[@]}"; do
    grep -qx "$entry" /etc/locale.gen 2>/dev/null || { echo "$entry" >>/etc/locale.gen; added=1; }
  done
  locale -a | grep -qix 'zh_CN.utf8' && locale -a | grep -qix 'en_US.utf8' && [ $added -eq 0 ] ||
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
    sanitized_tests
    build -DESCTOOL_TESTS=ON
    # One X server serves every test; -noreset keeps it from restarting whenever the
    # last test closes its connection, which would refuse a test connecting meanwhile.
    # The tests running side by side share that server's clipboard, so a clipboard
    # test can meet another's content: a failed test runs once more.
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
      ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --repeat until-pass:2
    ;;
  sanitize)
    sanitized_tests
    ;;
  bench)
    build -DESCTOOL_TESTS=OFF -DESCTOOL_BENCH=ON
    for b in "$build_dir"/bench/bench_*; do "$b"; done
    ;;
  fuzz)
    fuzz
    ;;
  *)
    echo "usage: $0 run|test|sanitize|bench|fuzz" >&2
    exit 2
    ;;
esac
