#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBUILD_TESTING=OFF -DZADADA_BENCHMARKS=OFF -DZADADA_WERROR=OFF >/dev/null
cmake --build build/release --target zadada
exec build/release/bin/zadada
