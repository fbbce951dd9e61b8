#!/usr/bin/env bash
# Formats every C++ file git tracks with the tree's .clang-format.
#   scripts/format.sh          rewrite the files in place
#   scripts/format.sh --check  only report files that are not formatted (CI)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/install-deps.sh"
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--check" ]]; then
  clang-format --dry-run -Werror "${files[@]}"
  echo "All ${#files[@]} C++ files are formatted."
else
  clang-format -i "${files[@]}"
fi
