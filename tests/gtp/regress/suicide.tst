# Suicide: a move that leaves its own group without liberties and captures nothing is refused.
# A lone stone among enemy stones that keep other liberties.
1 play b K11
2 play b J10
3 play b L10
4 play b K9
5 is_legal w K10
#? [0]
6 play w K10
#? ?[illegal move]
7 list_stones w
#? []
# In the corner.
10 play b B1
11 play b A2
12 play w A1
#? ?[illegal move]
# Joining two stones into a group without liberties.
20 clear_board
21 play b A2
22 play b B2
23 play b C2
24 play b D1
25 play w A1
26 play w C1
27 is_legal w B1
#? [0]
28 play w B1
#? ?[illegal move]
29 list_stones w
#? [A1 C1]
# The same point captures both White stones when Black plays it: not suicide.
30 is_legal b B1
#? [1]
31 play b B1
32 list_stones w
#? []
33 captures b
#? [2]
# Filling the last liberty of one's own group of two.
40 clear_board
41 play b A1
42 play w A2
43 play w B2
44 play w C1
45 play b B1
#? ?[illegal move]
46 list_stones b
#? [A1]
47 captures w
#? [0]
# White may play the same point: it joins White's stones and takes the Black one.
50 play w B1
51 list_stones b
#? []
52 captures w
#? [1]
