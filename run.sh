#!/usr/bin/env bash
# Set-up, release build and the program's main job.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

build_dir=build-release
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENKAR_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$(nproc)"

echo
echo "Built the core libraries in $build_dir:"
find "$build_dir" -maxdepth 3 -name 'libvenkar_*.a' -printf '  %p\n' | sort
