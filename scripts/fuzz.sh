#!/usr/bin/env bash
# Builds the club file fuzzer with clang and runs it on the seed corpus that
# the tests write.   scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/install-deps.sh"
seconds="${1:-60}"

seeds="$root/build/fuzz-seeds"
if [[ ! -d "$seeds" ]]; then
  echo "No seed corpus in $seeds: run scripts/test.sh first." >&2
  exit 1
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_FUZZ=ON -DORV_BUILD_UI=OFF -DORV_BUILD_BENCHMARKS=OFF
cmake --build "$root/build-fuzz" --target club_file_fuzzer

corpus="$root/build-fuzz/corpus"
mkdir -p "$corpus"
cp -n "$seeds"/* "$corpus"/
"$root/build-fuzz/tests/clubs/club_file_fuzzer" -max_total_time="$seconds" -max_len=4096 \
  -print_final_stats=1 "$corpus"
