#!/usr/bin/env bash
# GNU Go and zadada-gtp judge the same finished games (tests/scoring/data/*.sgf, GNU Go's own
# games played to two passes): both must call the same stones dead and give the same score.
#   scripts/judge-check.sh [zadada-gtp]    (or ZADADA_GTP=path)
# Exits 0 when they agree on every game, 1 otherwise, 77 when GNU Go is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
ours=${1:-${ZADADA_GTP:-build/test/bin/zadada-gtp}}
gnugo=/usr/games/gnugo
[[ -x $gnugo ]] || { echo "judge-check: GNU Go is not installed at $gnugo: skipped"; exit 77; }

# judge GAME PROGRAM...: the program's dead stones, sorted on one line, then its score (B+5.5, W+0.5
# or 0). The score, not the winner alone, since which points are dame or in seki, and which way an
# unfinished border goes, shows in the score long before it changes the winner.
judge() {
  local game=$1
  shift
  printf 'loadsgf %s\nkomi 7.5\nfinal_status_list dead\nfinal_score\nquit\n' "$game" | "$@" |
    awk 'BEGIN { RS = "" } NR == 3 { sub(/^= ?/, ""); n = split($0, dead); for (i = 1; i <= n; ++i) print dead[i] | "sort | paste -sd \" \"" }
         NR == 4 { close("sort | paste -sd \" \""); sub(/^= ?/, ""); print }'
}

status=0
for game in tests/scoring/data/*.sgf; do
  theirs=$(judge "$game" "$gnugo" --mode gtp --chinese-rules)
  mine=$(judge "$game" "$ours")
  if [[ $mine == "$theirs" ]]; then
    echo "judge-check: $game: agreed"
  else
    echo "judge-check: $game: zadada-gtp '${mine//$'\n'/ | }', GNU Go '${theirs//$'\n'/ | }'" >&2
    status=1
  fi
done
exit $status
