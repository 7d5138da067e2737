#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run ("run"), and also those its tests
# need ("test") or those that make the README's screenshot ("screenshot"). Packages already
# installed are left alone, so a second call costs nothing.
set -euo pipefail

build_packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev gnugo clang libclang-rt-dev desktop-file-utils appstream)
screenshot_packages=(xvfb xdotool imagemagick)

packages=("${build_packages[@]}")
case "${1:-run}" in
  test) packages+=("${test_packages[@]}") ;;
  screenshot) packages+=("${screenshot_packages[@]}") ;;
esac

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
