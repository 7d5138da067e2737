#!/usr/bin/env bash
# GNU Go referees seeded games of zadada-gtp against itself: GNU Go must find every move legal and
# accept it, both programs must see the same stones and agree on which points are legal, and an
# occasional undo must take both back alike.
#   scripts/referee.sh [games] [zadada-gtp] [size]
# (or ZADADA_GTP=path, ZADADA_BOARD_SIZE=lines; 10 games on 19 x 19 by default)
# Exits 0 when all agreed, 1 at the first disagreement, 77 when GNU Go is not installed.
set -euo pipefail
games=${1:-10}
ours=${2:-${ZADADA_GTP:-$(dirname "$0")/../build/test/bin/zadada-gtp}}
size=${3:-${ZADADA_BOARD_SIZE:-19}}
gnugo=/usr/games/gnugo
[[ $size =~ ^[0-9]+$ ]] && ((size >= 2 && size <= 19)) || { echo "referee: no board size $size" >&2; exit 1; }
[[ -x $gnugo ]] || { echo "referee: GNU Go is not installed at $gnugo: skipped"; exit 77; }
[[ -x $ours ]] || { echo "referee: no zadada-gtp at $ours" >&2; exit 1; }

# Bash warns that a second coprocess is running; two are what the referee needs.
{ coproc OURS { exec "$ours"; }; } 2>/dev/null
{ coproc GNU { exec "$gnugo" --mode gtp; }; } 2>/dev/null
game=0 move=0 moves=0 checked=0

fail() { echo "referee: game $game, move $move: $*" >&2; exit 1; }

# ask OURS|GNU command...: sends the command; its answer goes to $reply, failure ('?') returns 1.
ask() {
  local -n engine=$1
  shift
  echo "$*" >&"${engine[1]}"
  local line status
  IFS= read -r line <&"${engine[0]}" || fail "$* got no answer"
  status=${line:0:1} reply=${line:2}
  while IFS= read -r line <&"${engine[0]}" && [[ -n $line ]]; do reply+=" $line"; done
  [[ $status == "=" ]]
}

# Sorted vertices, one line each, of a list in words.
sorted() { tr -s ' ' '\n' <<<"$1" | sed '/^$/d' | sort; }

# Both programs' answers to the command, which must be the same set of vertices.
agree_on() {
  ask OURS "$@" || fail "zadada-gtp refused $*: $reply"
  local a; a=$(sorted "$reply")
  ask GNU "$@" || fail "GNU Go refused $*: $reply"
  local g; g=$(sorted "$reply")
  [[ $a == "$g" ]] || fail "$*: zadada-gtp '${a//$'\n'/ }', GNU Go '${g//$'\n'/ }'"
  agreed=$a
}

# Same stones; the points GNU Go holds illegal for colour besides the stones (suicide, ko) are
# illegal for zadada-gtp too, as is the newest stone's point.
same_position() {
  local colour=$1 stones
  agree_on list_stones b
  stones=$agreed
  agree_on list_stones w
  stones=$(sort <<<"$stones"$'\n'"$agreed")
  ask GNU all_legal "$colour"
  local banned
  banned=$(comm -23 <(sorted "$all_points") <(sorted "$reply"$'\n'"$stones") | head -n 3)
  checked=$((checked + $(wc -w <<<"$banned")))
  for vertex in $banned ${last:-}; do
    ask OURS is_legal "$colour" "$vertex"
    local a=$reply
    ask GNU is_legal "$colour" "$vertex"
    [[ $a == "$reply" ]] || fail "is_legal $colour $vertex: zadada-gtp $a, GNU Go $reply"
  done
}

letters=(A B C D E F G H J K L M N O P Q R S T)
all_points=$(for c in "${letters[@]:0:size}"; do printf "$c%s " $(seq "$size"); done)
# As long as on 19 x 19, where 400 moves end every game the computer plays itself.
longest=$((size * size + 39))
ask OURS boardsize "$size" || fail "zadada-gtp refused boardsize $size: $reply"
ask GNU boardsize "$size" || fail "GNU Go refused boardsize $size: $reply"
for ((game = 1; game <= games; ++game)); do
  ask OURS clear_board || fail "zadada-gtp refused clear_board: $reply"
  ask GNU clear_board || fail "GNU Go refused clear_board: $reply"
  ask OURS set_random_seed "$game" || fail "zadada-gtp refused set_random_seed: $reply"
  colour=b passes=0 last=
  for ((move = 1; passes < 2 && move <= longest; ++move)); do
    ask OURS genmove "$colour" || fail "genmove $colour: $reply"
    vertex=$reply
    if [[ ${vertex,,} == pass ]]; then
      passes=$((passes + 1))
    else
      passes=0 last=$vertex
      ask GNU is_legal "$colour" "$vertex"
      [[ $reply == 1 ]] || fail "zadada-gtp played $colour $vertex, GNU Go is_legal says $reply"
    fi
    ask GNU play "$colour" "$vertex" || fail "GNU Go refused play $colour $vertex: $reply"
    moves=$((moves + 1))
    colour=$([[ $colour == b ]] && echo w || echo b)
    if ((move % 10 == 0)); then same_position "$colour"; fi
    if ((move % 23 == 0)); then
      ask OURS undo || fail "zadada-gtp refused undo: $reply"
      ask GNU undo || fail "GNU Go refused undo: $reply"
      colour=$([[ $colour == b ]] && echo w || echo b) passes=0 last=
      same_position "$colour"
    fi
  done
  same_position "$colour"
done
echo "referee: $games games on $size x $size, $moves moves, $checked illegal points, all agreed"
