#!/usr/bin/env bash
# A header under a layer's internal/ folder is included only by that layer's
# own files and its tests (tests/ mirrors the top folders): prints every include that breaks this and fails.
#   internal_headers.sh SOURCE_ROOT
set -euo pipefail
cd "$1"
status=0
while IFS= read -r hit; do
  file="${hit%%:*}"
  header=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$hit")
  layer="${header%%/internal/*}"
  # Tests mirror the top folders: ui/editor's are in tests/ui.
  case "$file" in
    "$layer"/* | tests/"${layer%%/*}"/*) ;;
    *) echo "$file includes $header, which only $layer/ may include"; status=1 ;;
  esac
done < <(grep -rn --include='*.h' --include='*.cpp' -E '#include "[^"]*/internal/' \
           --exclude-dir='build*' --exclude-dir=.git . | sed 's#^\./##')
exit "$status"
