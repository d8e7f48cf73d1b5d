#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for a given time each:
#   tools/fuzz.sh SECONDS [TARGET...]
# Crashing, leaking or slow inputs land in fuzz/findings/<target>/; copy the
# ones worth keeping to fuzz/regressions/<target>/ after fixing them, so that
# the test suite replays them. The time-out per input is 60 s: the
# sanitizers slow the largest calculation the program admits (10^6
# elements, about 6 s in a release build) about tenfold.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: tools/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(sed -n 's/^venkar_add_fuzz_target(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt))
fi

tools/install-deps.sh
if ! command -v clang++ >/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
  "${as_root[@]}" apt-get install -y -qq clang libclang-rt-14-dev </dev/null
fi

build_dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVENKAR_SANITIZE=ON -DVENKAR_FUZZ=ON -DVENKAR_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target $(printf 'fuzz_%s ' "${targets[@]}")

for target in "${targets[@]}"; do
  work="$build_dir/corpus/$target"
  findings="fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  echo "== $target for $seconds s"
  "$build_dir/fuzz/fuzz_$target" "$work" "fuzz/corpus/$target" "fuzz/regressions/$target" \
    -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$findings/" -print_final_stats=1 2>&1 | tail -n 12
done
