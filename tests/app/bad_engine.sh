#!/usr/bin/env bash
# A GTP engine that starts well and then, asked for a move, misbehaves as $1 says: illegal (a
# move on D4 whatever the board), garbage, crash, silent or resign.
while read -r command _; do
  case "$command" in
    protocol_version) printf '= 2\n\n' ;;
    name) printf '= Bad\n\n' ;;
    genmove)
      case "$1" in
        illegal) printf '= D4\n\n' ;;
        garbage) printf 'hello\n\n' ;;
        crash) kill -SEGV $$ ;;
        resign) printf '= resign\n\n' ;;
      esac ;;
    quit) printf '=\n\n'; exit 0 ;;
    *) printf '=\n\n' ;;
  esac
done
