# Vertices: columns A to T without I, rows counted from the bottom, any case; pass.
1 play b A1
2 play b t19
3 play b a19
4 play b T1
5 list_stones black
#? [A1 T1 A19 T19]
6 play b J10
7 play b I10
#? ?[syntax error]
8 play b A0
#? ?[syntax error]
9 play b A20
#? ?[syntax error]
10 play b U5
#? ?[syntax error]
11 play b A01
#? ?[syntax error]
12 play b 4D
#? ?[syntax error]
13 play b D
#? ?[syntax error]
14 play b D4.
#? ?[syntax error]
15 play b pAsS
16 play x D4
#? ?[syntax error]
17 play bl D4
#? ?[syntax error]
18 play blac D4
#? ?[syntax error]
# J10 is the ninth column, next to the centre star point K10; row 10 counts from the bottom.
19 showboard
#? [\n   A B C D E F G H J K L M N O P Q R S T\n19 X [\s\S]* X 19\n[\s\S]*\n10 \. \. \. \+ \. \. \. \. X \+ \. \. \. \. \. \+ \. \. \. 10\n[\s\S]*\n 1 X [\s\S]* X  1\n   A B C D E F G H J K L M N O P Q R S T\n[\s\S]*]
20 list_stones black
#? [A1 T1 J10 A19 T19]
21 is_legal w K10
#? [1]
22 is_legal w j10
#? [0]
23 is_legal w pass
#? [1]
24 play W k10
25 list_stones w
#? [K10]
26 play w J10
#? ?[illegal move]
