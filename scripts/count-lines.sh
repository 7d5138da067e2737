#!/usr/bin/env bash
# Prints the non-blank lines of the production code and of all test code (tests/ with its support,
# data, corpora and CMake files, and the fuzz, referee and judge-check scripts), and their ratio. Benchmarks
# count as neither.
set -euo pipefail
cd "$(dirname "$0")/.."
non_blank() { cat "$@" | grep -cv '^[[:space:]]*$' || true; }
mapfile -t production < <(find engine player scoring display app gtp sgf desktop -type f 2>/dev/null |
  grep -v '\.png$'; echo CMakeLists.txt)
mapfile -t tests < <(find tests -type f; echo scripts/fuzz.sh; echo scripts/referee.sh; echo scripts/judge-check.sh)
code=$(non_blank "${production[@]}")
test_code=$(non_blank $(ls "${tests[@]}" 2>/dev/null))
echo "lines: production ${code}, tests ${test_code}, ratio $(awk -v t="$test_code" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
