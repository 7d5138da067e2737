#!/usr/bin/env bash
# A GTP engine that starts well and then, asked for a move, misbehaves as $1 says: illegal (a
# move on D4 whatever the board), garbage, crash, silent or resign; or, for corner, plays the top
# left corner of the board size it was last told, and resigns when it was told no komi.
while read -r command argument _; do
  case "$command" in
    protocol_version) printf '= 2\n\n' ;;
    name) printf '= Bad\n\n' ;;
    boardsize) size=$argument; printf '=\n\n' ;;
    komi) komi=$argument; printf '=\n\n' ;;
    genmove)
      case "$1" in
        corner) [ "${komi:-0}" = 0 ] && printf '= resign\n\n' || printf '= A%s\n\n' "$size" ;;
        illegal) printf '= D4\n\n' ;;
        garbage) printf 'hello\n\n' ;;
        crash) kill -SEGV $$ ;;
        resign) printf '= resign\n\n' ;;
      esac ;;
    quit) printf '=\n\n'; exit 0 ;;
    *) printf '=\n\n' ;;
  esac
done
