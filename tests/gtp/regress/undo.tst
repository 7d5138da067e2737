# Undo: takes back the newest move or pass exactly, down to an empty history.
1 undo
#? ?[cannot undo]
2 play b D4
3 play w Q16
4 undo
5 list_stones w
#? []
6 list_stones b
#? [D4]
7 play w pass
8 undo
9 list_stones b
#? [D4]
10 undo
11 list_stones b
#? []
12 undo
#? ?[cannot undo]
# Captured stones come back, and the capture count drops.
20 play w A1
21 play b B1
22 play b A2
23 captures b
#? [1]
24 undo
25 list_stones w
#? [A1]
26 list_stones b
#? [B1]
27 captures b
#? [0]
28 play b A2
29 list_stones w
#? []
# A group of several stones comes back whole.
30 clear_board
31 play w F1
32 play w G1
33 play w F2
34 play b E1
35 play b E2
36 play b F3
37 play b G2
38 play b H1
39 list_stones w
#? []
40 undo
41 list_stones w
#? [F1 G1 F2]
42 is_legal b H1
#? [1]
43 play b H1
44 captures b
#? [3]
# A new game empties the history.
50 clear_board
51 undo
#? ?[cannot undo]
# Consecutive moves of one colour are taken back one at a time.
60 play b C3
61 play b D3
62 play b E3
63 undo
64 list_stones b
#? [C3 D3]
