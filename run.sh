#!/usr/bin/env bash
# Set-up, release build and the program's main job: calculate the first
# example with the batch command, show its results report and write the
# input report, the JSON results and the nine plots of the graph window
# (geometry and loads, deformed shape, the seven diagrams) next to it. Then,
# only with a display and a terminal, the window program `venkar` opens the
# same example.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

build_dir=build-release
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENKAR_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$(nproc)"

out_dir=out/wassertank
mkdir -p "$out_dir"
"$build_dir/src/batch/venkar-batch" --verbose \
  --input-report "$out_dir/eingabe.txt" \
  --results "$out_dir/ergebnisse.txt" \
  --json "$out_dir/ergebnisse.json" \
  --plot all --out-dir "$out_dir/grafik" \
  examples/wassertank.vsy examples/wassertank.vla

cat "$out_dir/ergebnisse.txt"
echo
echo "Input report:   $out_dir/eingabe.txt"
echo "Results report: $out_dir/ergebnisse.txt"
echo "JSON results:   $out_dir/ergebnisse.json"
echo "Plots (PNG):    $out_dir/grafik/wassertank-*.png"

# The window program, with the same example; skipped without a display or
# when run from a pipe or CI.
tools/start-venkar.sh "$build_dir/src/app/venkar" examples/wassertank.vsy examples/wassertank.vla
