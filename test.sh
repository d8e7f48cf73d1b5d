#!/usr/bin/env bash
# Set-up, sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer) and
# every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh
tools/check-format.sh

build_dir=build-test
cmake -S . -B "$build_dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug \
  -DVENKAR_SANITIZE=ON \
  -DVENKAR_BUILD_TESTS=ON
cmake --build "$build_dir" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
