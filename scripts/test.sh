#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the fuzzer for a bounded time,
# the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, the whole suite again as a
# release build, and lintian on the Debian package made from that build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fuzz_seconds=${CORVANTH_FUZZ_SECONDS:-60}

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzzing the TGA decoder for ${fuzz_seconds} s"
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCORVANTH_FUZZ=ON -DCORVANTH_QT=OFF \
    -DCORVANTH_TESTS=OFF -DCORVANTH_BENCH=OFF >/dev/null
  cmake --build build/fuzz
  mkdir -p build/fuzz/corpus
  # Progress lines go to a log; the closing statistics, or the crash report, are shown.
  if ! build/fuzz/fuzz/tga_fuzzer -max_total_time="$fuzz_seconds" -print_final_stats=1 \
      build/fuzz/corpus fuzz/corpus >build/fuzz/fuzz.log 2>&1; then
    tail -n 60 build/fuzz/fuzz.log
    exit 1
  fi
  tail -n 12 build/fuzz/fuzz.log
fi

echo "== sanitizer build"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANTH_SANITIZE=ON -DCORVANTH_TESTS=ON \
  -DCORVANTH_BENCH=OFF >/dev/null
cmake --build build/asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --test-dir build/asan --output-on-failure

echo "== release build"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANTH_TESTS=ON -DCORVANTH_BENCH=ON \
  >/dev/null
cmake --build build/release
ctest --test-dir build/release --output-on-failure

echo "== Debian package"
rm -f build/release/corvanth-logo-editor_*.deb
(cd build/release && cpack -G DEB >/dev/null)
lintian --fail-on error build/release/corvanth-logo-editor_*.deb

scripts/test-windows.sh
