# The commands desktop front ends send besides play and genmove: handicap, time controls, cleanup
# moves and the dead-stone list.
# A handicap game: fixed stones, White first, played on, undone down to the stones, scored.
1 fixed_handicap 4
#? [D4 Q16 D16 Q4]
2 fixed_handicap 2
#? ?[board not empty]
3 set_free_handicap A1 B1
#? ?[board not empty]
4 komi 0.5
5 time_settings 300 30 5
6 time_left black 290 0
7 kgs-time_settings byoyomi 300 30 5
8 genmove w
#? [[A-T]\d+]
9 kgs-genmove_cleanup b
#? [[A-T]\d+]
10 undo
11 undo
12 undo
#? ?[cannot undo]
13 list_stones b
#? [D4 Q4 D16 Q16]
14 play w K10
15 final_score
#? [B\+2\.5]
16 final_status_list alive
#? [D4\nQ4\nK10\nD16\nQ16]
17 final_status_list dead
#? []
18 final_status_list seki
#? []
19 printsgf
#? [[^\n]*KM\[0\.5\]HA\[4\]PL\[W\]AB\[dp\]\[pd\]\[dd\]\[pp\]\n;W\[jj\]\)]
# A new game takes the handicap off.
20 clear_board
21 undo
#? ?[cannot undo]
# The engine's own placement, at most nine stones; then the controller's.
22 place_free_handicap 12
#? [D4 Q16 D16 Q4 D10 Q10 K4 K16 K10]
23 clear_board
24 place_free_handicap 2
#? [D4 Q16]
25 clear_board
26 set_free_handicap A1 T19 K10
27 list_stones b
#? [A1 K10 T19]
28 undo
#? ?[cannot undo]
# Bad handicaps change nothing.
30 clear_board
31 fixed_handicap 1
#? ?[invalid number of stones]
32 fixed_handicap 10
#? ?[invalid number of stones]
33 place_free_handicap 361
#? ?[invalid number of stones]
34 fixed_handicap two
#? ?[syntax error]
35 set_free_handicap A1
#? ?[bad vertex list]
36 set_free_handicap A1 a1
#? ?[bad vertex list]
37 set_free_handicap A1 pass
#? ?[bad vertex list]
38 set_free_handicap A1 Z1
#? ?[syntax error]
39 list_stones b
#? []
# Time controls are checked, then ignored.
40 time_settings 1 2
#? ?[syntax error]
41 time_settings 1 -2 3
#? ?[syntax error]
42 time_left x 10 0
#? ?[syntax error]
43 time_left b 10.5 0
#? ?[syntax error]
44 kgs-time_settings none
45 kgs-time_settings absolute 600
46 kgs-time_settings canadian 600 300 25
47 kgs-time_settings byoyomi 600 30
#? ?[syntax error]
48 kgs-time_settings sudden 600
#? ?[syntax error]
49 kgs-genmove_cleanup
#? ?[syntax error]
50 final_status_list
#? ?[syntax error]
51 final_status_list undecided
#? ?[syntax error]
