#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test: once in
# an optimised build, and once more for the Qt-free code under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZADADA_WERROR=ON \
  -DBUILD_TESTING=ON -DZADADA_BENCHMARKS=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DZADADA_WERROR=ON -DBUILD_TESTING=ON -DZADADA_SANITIZE=ON -DZADADA_WINDOWED=OFF -DZADADA_BENCHMARKS=OFF
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

# The fuzz targets briefly, when clang is there to build them.
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh "${ZADADA_FUZZ_SECONDS:-20}"
else
  echo "fuzz: SKIPPED (clang++ is not installed)"
fi

scripts/count-lines.sh
