#!/usr/bin/env bash
# Replays every fuzz target from a fresh clone of the committed tree, the way
# tools/fuzz.sh hands it its folders:
#   FreshCloneTest.sh SOURCE_DIR REPLAY_DIR TARGET...
# Fails when a target has no seeds in git or a folder it needs is missing.
# Skipped (77) outside a git checkout.
set -euo pipefail
source_dir=$1
replay_dir=$2
shift 2

if ! git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "not a git checkout: skipped"
  exit 77
fi
clone=$(mktemp -d)
trap 'rm -rf "$clone"' EXIT
git -c advice.detachedHead=false clone --quiet "$source_dir" "$clone/venkar"
# The clone's script is the one run: a fresh clone holds no empty folder.
for target in "$@"; do
  echo "== $target"
  bash "$clone/venkar/tools/fuzz.sh" --replay "$replay_dir/replay_$target" "$target"
done
