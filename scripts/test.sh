#!/usr/bin/env bash
# Builds everything and runs every test.
#   scripts/test.sh             release build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/install-deps.sh"

build_dir="$root/build"
# ORV_WERROR=ON in the environment makes every warning an error (CI sets it).
werror=(-DORV_WERROR="${ORV_WERROR:-OFF}")
options=(-DCMAKE_BUILD_TYPE=Release -DORV_BUILD_UI=ON -DORV_BUILD_BENCHMARKS=ON)
if [[ "${1:-}" == "--sanitize" ]]; then
  build_dir="$root/build-asan"
  options=(-DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON -DORV_BUILD_UI=ON -DORV_BUILD_BENCHMARKS=OFF)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

cmake -S "$root" -B "$build_dir" -G Ninja "${options[@]}" "${werror[@]}"
cmake --build "$build_dir" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
