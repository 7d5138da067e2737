#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds (default
# 60), starting from its seed corpus in tests/fuzz/corpus/. New inputs go to a scratch folder, not
# into the repository; a crash leaves its input in build/fuzz/crashes/ and fails the script.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZADADA_WINDOWED=OFF \
  -DZADADA_FUZZ=ON >/dev/null
cmake --build "$build" --target engine_fuzz gtp_fuzz sgf_fuzz
mkdir -p "$build/crashes"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Short inputs keep each run cheap: 32 engine operations, a handful of GTP commands.
declare -A longest=([engine]=64 [gtp]=128 [sgf]=4096)
status=0
for target in engine gtp sgf; do
  mkdir -p "$scratch/$target"
  log="$build/${target}_fuzz.log"
  # Run from the scratch folder so that nothing a target does lands in the work tree.
  if (cd "$scratch" && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$OLDPWD/$build/bin/${target}_fuzz" -max_total_time="$seconds" -max_len="${longest[$target]}" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$OLDPWD/$build/crashes/${target}-" "$scratch/$target" \
    "$OLDPWD/tests/fuzz/corpus/$target") >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "${target}_fuzz: ${runs:-?} inputs in ${seconds} s, no failure"
  else
    echo "${target}_fuzz FAILED; the input is in $build/crashes/, the log in $log:"
    grep -E 'ERROR|SUMMARY|after|#[0-9]+ 0x' "$log" | head -n 30
    status=1
  fi
done
exit "$status"
