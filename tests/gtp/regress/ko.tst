# Ko: a single-stone capture may not at once be answered by retaking that stone.
1 play b B19
2 play b A18
3 play b B17
4 play b C18
5 play w C19
6 play w D18
7 play w C17
8 play w B18
9 list_stones b
#? [B17 A18 B19]
10 captures w
#? [1]
11 is_legal b C18
#? [0]
12 play b C18
#? ?[illegal move]
13 list_stones w
#? [C17 B18 D18 C19]
# After a threat and its answer the ko may be retaken.
14 play b K10
15 play w K12
16 is_legal b C18
#? [1]
17 play b C18
18 list_stones w
#? [K12 C17 D18 C19]
19 is_legal w B18
#? [0]
# Two passes in between lift the ban as well; taking them back brings it back.
20 play w pass
21 play b pass
22 is_legal w B18
#? [1]
23 undo
24 undo
25 is_legal w B18
#? [0]
26 play w B18
#? ?[illegal move]
# Snapback: retaking one stone is allowed when the capture before took two.
30 clear_board
31 play b A1
32 play b B1
33 play b D1
34 play b C2
35 play w A2
36 play w B2
37 play w C1
38 captures w
#? [2]
39 list_stones b
#? [D1 C2]
40 play b B1
41 captures b
#? [1]
42 list_stones w
#? [A2 B2]
43 list_stones b
#? [B1 D1 C2]
