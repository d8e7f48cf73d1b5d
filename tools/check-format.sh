#!/usr/bin/env bash
# Fails when a C++ source file under version control does not follow
# .clang-format; lists the files that need `clang-format -i`.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz -name '*.cpp' -o -name '*.h')
unformatted=()
for file in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done

if [ ${#unformatted[@]} -ne 0 ]; then
  echo "Not formatted (run clang-format -i):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
