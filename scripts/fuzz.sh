#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for SECONDS: the club file
# reader on the seed corpus the tests write, the CSV import on the CSV
# fixtures.   scripts/fuzz.sh [SECONDS]   (default 60)
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
cmake --build "$root/build-fuzz" --target club_file_fuzzer csv_import_fuzzer

# fuzz NAME PROGRAM MAX_LEN SEED...: runs one target on its corpus.
fuzz() {
  local name="$1" program="$2" max_len="$3"
  shift 3
  local corpus="$root/build-fuzz/corpus-$name"
  mkdir -p "$corpus"
  cp -n "$@" "$corpus"/
  echo "Fuzzing $name for $seconds s"
  "$program" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 "$corpus"
}
fuzz club-file "$root/build-fuzz/tests/clubs/club_file_fuzzer" 4096 "$seeds"/*
fuzz csv-import "$root/build-fuzz/tests/cli/csv_import_fuzzer" 8192 "$root"/tests/cli/fixtures/*.csv
