# Game records: printsgf writes the game, loadsgf replays one; a faulty record changes nothing.
1 printsgf
#? [\(;FF\[4\]GM\[1\]SZ\[19\]CA\[UTF-8\]AP\[Zada Da:[^\]]*\]KM\[0\]\)]
2 komi 6.5
3 play b D4
4 play w Q16
5 play b pass
6 play w A1
7 printsgf
#? [\(;FF\[4\]GM\[1\]SZ\[19\][^\n]*KM\[6\.5\]\n;B\[dp\];W\[pd\];B\[\];W\[as\]\)]
8 printsgf @TMP@/game.sgf
9 clear_board
10 komi 0
11 loadsgf @TMP@/game.sgf
#? [black]
12 list_stones b
#? [D4]
13 list_stones w
#? [A1 Q16]
14 printsgf
#? [\(;FF\[4\][^\n]*KM\[6\.5\]\n;B\[dp\];W\[pd\];B\[\];W\[as\]\)]
# The loaded moves are the history: undo takes them back.
15 undo
16 undo
17 list_stones w
#? [Q16]
# A move number loads the moves before it.
20 loadsgf @TMP@/game.sgf 3
#? [black]
21 list_stones b
#? [D4]
22 list_stones w
#? [Q16]
23 loadsgf @TMP@/game.sgf 2
#? [white]
24 loadsgf @TMP@/game.sgf 1
#? [black]
25 list_stones b
#? []
26 loadsgf @TMP@/game.sgf 1000
#? [black]
27 list_stones w
#? [A1 Q16]
28 loadsgf @TMP@/game.sgf 0
#? ?[syntax error]
29 loadsgf @TMP@/game.sgf three
#? ?[syntax error]
30 loadsgf
#? ?[syntax error]
31 loadsgf @TMP@/game.sgf 3 4
#? ?[syntax error]
# Setup stones: a handicap record. Its stones are the starting position, which undo keeps.
40 loadsgf @DATA@/setup_stones.sgf
#? [black]
41 list_stones b
#? [Q4 D16]
42 printsgf
#? [[^\n]*KM\[0\.5\]HA\[2\]PL\[W\]AB\[dd\]\[pp\]\n;W\[dp\]\)]
# Faulty records and missing files leave the game as it was.
43 loadsgf @DATA@/no_such_file.sgf
#? ?[cannot open file]
44 loadsgf @DATA@
#? ?[cannot open file]
45 loadsgf @DATA@/not_sgf.sgf
#? ?[malformed game record: a game record starts with '\(']
46 loadsgf @DATA@/unclosed.sgf
#? ?[malformed game record: the record ends inside a game]
47 loadsgf @DATA@/not_go.sgf
#? ?[not a game of Go: GM\[2\]]
48 loadsgf @DATA@/size13.sgf
#? ?[the board size is not 19: SZ\[13\]]
49 loadsgf @DATA@/off_board.sgf
#? ?[illegal move: B\[ta\] \(move 1\) is off the board]
50 loadsgf @DATA@/suicide_in_record.sgf
#? ?[illegal move: W\[aa\] \(move 4\)]
51 loadsgf @DATA@/illegal_setup.sgf
#? ?[illegal setup: AW\[aa\]]
52 loadsgf @DATA@/two_moves_in_node.sgf
#? ?[malformed game record: two moves in one node]
53 printsgf
#? [[^\n]*KM\[0\.5\]HA\[2\]PL\[W\]AB\[dd\]\[pp\]\n;W\[dp\]\)]
54 undo
55 undo
#? ?[cannot undo]
56 list_stones b
#? [Q4 D16]
# A record written by another program: comments, escapes, and the first variation of each branch.
60 loadsgf @DATA@/variations.sgf
#? [white]
61 list_stones b
#? [Q4 Q16]
62 list_stones w
#? [D4]
63 printsgf
#? [[^\n]*KM\[7\.5\]\n;B\[pd\];W\[dp\];B\[pp\]\)]
# Older records: passes written "tt" or empty, lowercase letters inside property names.
70 loadsgf @DATA@/old_passes.sgf
#? [black]
71 list_stones b
#? [A18 B19]
72 list_stones w
#? []
73 captures b
#? [1]
74 printsgf
#? [[^\n]*\n;W\[aa\];B\[ba\];W\[\];B\[ab\];W\[\]\)]
# Writing to a folder that does not exist fails and changes nothing.
80 printsgf @TMP@/no/such/folder/game.sgf
#? ?[cannot write file]
81 list_stones b
#? [A18 B19]
