#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the installed tree
# as a desktop would read it.   check_install.sh BUILD_FOLDER
set -euo pipefail
build="$1"
destdir="$(mktemp -d)"
trap 'rm -rf "$destdir"' EXIT
DESTDIR="$destdir" cmake --install "$build" --prefix /usr >/dev/null
root="$destdir/usr"
failures=0
check() {   # DESCRIPTION COMMAND...
  local what="$1"; shift
  if "$@" >/tmp/orv-install-check.$$ 2>&1; then
    echo "ok: $what"
  else
    echo "FAILED: $what"; cat /tmp/orv-install-check.$$; failures=$((failures + 1))
  fi
  rm -f /tmp/orv-install-check.$$
}
check "orv is installed and runs" "$root/bin/orv" --help
check "orv-calc is installed and runs" "$root/bin/orv-calc" --help
check "the desktop entry validates" desktop-file-validate "$root/share/applications/org.example.orv.desktop"
check "the desktop entry opens documents" grep -qx 'Exec=orv %f' "$root/share/applications/org.example.orv.desktop"
check "the desktop entry names the document type" grep -qx 'MimeType=application/x-orv-club-data;' "$root/share/applications/org.example.orv.desktop"
check "the MIME package globs *.orv in any case" grep -q 'pattern="\*.orv" case-sensitive="false"' "$root/share/mime/packages/org.example.orv.xml"
check "the MIME package builds a database" update-mime-database "$root/share/mime"
check "the database knows the type" grep -q 'application/x-orv-club-data:\*.orv' "$root/share/mime/globs2"
for size in 16 32 48 72; do
  icon="$root/share/icons/hicolor/${size}x${size}/apps/org.example.orv.png"
  check "the ${size}x${size} icon" bash -c "file '$icon' | grep -q 'PNG image data, $size x $size'"
done
check "the metainfo validates" appstreamcli validate --no-net "$root/share/metainfo/org.example.orv.metainfo.xml"
for page in orv orv-calc; do
  check "the $page manual page" bash -c "zcat '$root/share/man/man1/$page.1.gz' | grep -q '^.SH NAME'"
done
check "the manual" grep -q '<title>VOVE-ROZO ORV manual</title>' "$root/share/orv/manual/index.html"
check "the licence" grep -q 'MIT License' "$root/share/doc/orv/copyright"
if ((failures > 0)); then
  echo "$failures checks failed"; exit 1
fi
echo "every installed file checks out"
