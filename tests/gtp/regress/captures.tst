# Captures: stones without liberties leave the board; captures counts what each colour took.
# A lone stone in the centre.
1 play w K10
2 play b K11
3 play b J10
4 play b L10
5 play b K9
6 list_stones white
#? []
7 captures b
#? [1]
8 captures w
#? [0]
# A corner stone.
10 play w A1
11 play b B1
12 play b A2
13 list_stones w
#? []
14 captures black
#? [2]
# Two stones on the edge.
20 play w F1
21 play w G1
22 play b E1
23 play b H1
24 play b F2
25 play b G2
26 list_stones w
#? []
27 captures b
#? [4]
# One stone taking two groups at once.
30 play w N1
31 play w P1
32 play b M1
33 play b N2
34 play b Q1
35 play b P2
36 play b O1
37 list_stones w
#? []
38 captures b
#? [6]
# White captures too, and the freed points may be played again.
40 play b T19
41 play w S19
42 play w T18
43 captures w
#? [1]
44 list_stones b
#? [B1 E1 H1 M1 O1 Q1 A2 F2 G2 N2 P2 K9 J10 L10 K11]
45 play w T19
46 list_stones w
#? [T18 S19 T19]
# A point taken free inside Black's stones is suicide for White and an own point for Black.
47 is_legal w K10
#? [0]
48 is_legal b K10
#? [1]
49 captures b
#? [6]
