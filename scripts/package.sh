#!/usr/bin/env bash
# Builds the Debian package in build-package/ (without tests, as a package is
# built), checks it with dpkg-deb and lintian, and with --install-check
# installs it with apt-get, checks the installed program and the desktop's
# registration of its entry and document type, and removes it again.
#   scripts/package.sh [--install-check]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/install-deps.sh"
build="$root/build-package"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DORV_BUILD_BENCHMARKS=OFF -DORV_WERROR="${ORV_WERROR:-OFF}"
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && rm -f ./*.deb && cpack -G DEB)
package="$(ls "$build"/orv_*.deb)"
echo "Package: $package"
dpkg-deb --info "$package"
contents="$(dpkg-deb --contents "$package")"
echo "$contents"
for expected in ./usr/bin/orv ./usr/bin/orv-calc ./usr/share/applications/org.example.orv.desktop \
  ./usr/share/mime/packages/org.example.orv.xml ./usr/share/metainfo/org.example.orv.metainfo.xml \
  ./usr/share/orv/manual/index.html ./usr/share/man/man1/orv.1.gz ./usr/share/doc/orv/copyright; do
  grep -q " $expected\$" <<<"$contents" || { echo "missing from the package: $expected" >&2; exit 1; }
done
# Errors fail the check; warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$package"
echo "lintian: no errors"

if [[ "${1:-}" == "--install-check" ]]; then
  sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$package"
  trap 'DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq orv >/dev/null' EXIT
  (cd / && orv --self-test)
  orv-calc --help >/dev/null
  orv-calc --version
  grep -q 'application/x-orv-club-data:\*.orv' /usr/share/mime/globs2 \
    || { echo "the document type is not registered" >&2; exit 1; }
  grep -q 'application/x-orv-club-data=org.example.orv.desktop' /usr/share/applications/mimeinfo.cache \
    || { echo "the desktop entry is not registered for the document type" >&2; exit 1; }
  echo "installed package: runs from the PATH, entry and document type registered"
fi
