#!/usr/bin/env bash
# Builds the program and launches it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --parallel "$(nproc)"
program="$root/build/app/orv"
if [[ ! -x "$program" ]]; then
  echo "Everything is built; the windows are not part of this build yet, so there is nothing to launch."
  exit 0
fi
exec "$program" "$@"
