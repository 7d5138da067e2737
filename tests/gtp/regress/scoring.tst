# final_score: each colour's stones plus the empty points it alone surrounds, Black minus White
# minus komi. Nothing is taken off as dead.
1 final_score
#? [0]
2 komi 7.5
3 final_score
#? [W\+7\.5]
# One stone owns the whole board.
4 play b K10
5 final_score
#? [B\+353\.5]
# One stone of each: the one empty region touches both and counts for nobody.
6 play w K11
7 final_score
#? [W\+7\.5]
8 komi 0
9 final_score
#? [0]
10 komi -3
11 final_score
#? [B\+3]
# A corner of four points walled off by five Black stones; White's stone elsewhere makes the
# rest neutral.
20 clear_board
21 komi 0.5
22 play b A3
23 play b B3
24 play b C3
25 play b C2
26 play b C1
27 play w Q16
28 final_score
#? [B\+7\.5]
# A White stone left inside makes the corner neutral; it still counts as a White point.
29 play w A1
30 final_score
#? [B\+2\.5]
# Score is a read-only question: asking twice changes nothing.
31 final_score
#? [B\+2\.5]
32 list_stones w
#? [A1 Q16]
