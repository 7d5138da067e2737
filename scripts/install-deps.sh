#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run ("run"), or also those its tests
# need ("test"). Packages already installed are left alone, so a second call costs nothing.
set -euo pipefail

build_packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev gnugo clang xvfb xdotool imagemagick
  desktop-file-utils appstream)

packages=("${build_packages[@]}")
if [ "${1:-run}" = test ]; then
  packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
