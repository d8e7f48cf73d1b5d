#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for a given time each:
#   tools/fuzz.sh SECONDS [TARGET...]
# Crashing, leaking or slow inputs land in fuzz/findings/<target>/; copy the
# ones worth keeping to fuzz/regressions/<target>/ after fixing them, so that
# the test suite replays them. The time-out per input is 60 s: the
# sanitizers slow the largest calculation the program admits (10^6
# elements, about 6 s in a release build) about tenfold.
#
#   tools/fuzz.sh --replay REPLAY_PROGRAM TARGET
# feeds the same input folders through a replay program (the test suite's
# replay_<target>, built without libFuzzer) once, without building anything.
#
# Git keeps no empty folders: every folder handed to the fuzzer is created
# here, so that a fresh clone runs every target.
set -euo pipefail
cd "$(dirname "$0")/.."

# Creates and prints the input folders of a target, in the order the fuzzer
# reads them: its seed corpus, then the regressions kept so far.
input_folders() {
  local target=$1
  mkdir -p "fuzz/corpus/$target" "fuzz/regressions/$target"
  printf '%s\n' "fuzz/corpus/$target" "fuzz/regressions/$target"
}

if [ "${1:-}" = "--replay" ]; then
  program=${2:?usage: tools/fuzz.sh --replay REPLAY_PROGRAM TARGET}
  target=${3:?usage: tools/fuzz.sh --replay REPLAY_PROGRAM TARGET}
  mapfile -t folders < <(input_folders "$target")
  exec "$program" "${folders[@]}"
fi

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

# Every target runs to its end; the ones that found something are named last.
failed=()
for target in "${targets[@]}"; do
  work="$build_dir/corpus/$target"
  findings="fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  mapfile -t folders < <(input_folders "$target")
  echo "== $target for $seconds s"
  if ! "$build_dir/fuzz/fuzz_$target" "$work" "${folders[@]}" \
    -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$findings/log.txt" 2>&1; then
    failed+=("$target")
  fi
  tail -n 12 "$findings/log.txt"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (see fuzz/findings/)" >&2
  exit 1
fi
