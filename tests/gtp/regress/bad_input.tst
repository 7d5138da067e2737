# Bad input: missing, surplus or malformed arguments and absurd numbers get an error and change
# nothing. The position is one Black stone at D4 throughout.
1 play b D4
2 play
#? ?[syntax error]
3 play b
#? ?[syntax error]
4 play D5
#? ?[syntax error]
5 play b D5 D6
#? ?[syntax error]
6 play b AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA
#? ?[syntax error]
7 play b Ä4
#? ?[syntax error]
8 play b D-4
#? ?[syntax error]
9 play b D99999999999999999999999
#? ?[syntax error]
10 genmove
#? ?[syntax error]
11 genmove x
#? ?[syntax error]
12 genmove b w
#? ?[syntax error]
13 boardsize
#? ?[syntax error]
14 boardsize 13
#? ?[unacceptable size]
15 boardsize -19
#? ?[unacceptable size]
16 boardsize 0
#? ?[unacceptable size]
17 boardsize 99999999999999999999999
#? ?[syntax error]
18 boardsize nineteen
#? ?[syntax error]
19 boardsize 19.0
#? ?[syntax error]
20 komi
#? ?[syntax error]
21 komi six
#? ?[syntax error]
22 komi 1e400
#? ?[syntax error]
23 komi nan
#? ?[syntax error]
24 komi inf
#? ?[syntax error]
25 komi 1000000
#? ?[unacceptable komi]
26 komi 6.5 7.5
#? ?[syntax error]
27 set_random_seed
#? ?[syntax error]
28 set_random_seed -1
#? ?[unacceptable seed]
29 set_random_seed 4294967296
#? ?[unacceptable seed]
30 set_random_seed seed
#? ?[syntax error]
31 is_legal b
#? ?[syntax error]
32 is_legal q D5
#? ?[syntax error]
33 all_legal
#? ?[syntax error]
34 list_stones
#? ?[syntax error]
35 list_stones green
#? ?[syntax error]
36 captures
#? ?[syntax error]
37 undo now
#? ?[syntax error]
38 final_score please
#? ?[syntax error]
39 showboard big
#? ?[syntax error]
40 clear_board now
#? ?[syntax error]
41 printsgf a b
#? ?[syntax error]
42 known_command play genmove
#? ?[syntax error]
43 quit now
#? ?[syntax error]
44 list_stones b
#? [D4]
45 list_stones w
#? []
46 printsgf
#? [[^\n]*KM\[0\]\n;B\[dp\]\)]
# A good boardsize starts a new game.
47 boardsize 19
48 list_stones b
#? []
