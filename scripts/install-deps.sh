#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need,
# only those that are missing. Sourced by the other scripts.
set -euo pipefail

ORV_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libeigen3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-liberation2 poppler-utils
  desktop-file-utils appstream shared-mime-info file dpkg-dev lintian
  xvfb xauth imagemagick xdotool openbox x11-utils
)

orv_install_missing() {
  local missing=()
  for package in "${ORV_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

orv_install_missing
