# genmove: the computer player's move for the colour, played on the board; never a resignation.
1 set_random_seed 1
2 genmove b
#? [[A-HJ-T](1[0-9]|[1-9])|pass]
3 genmove w
#? [[A-HJ-T](1[0-9]|[1-9])|pass]
4 genmove BLACK
#? [[A-HJ-T](1[0-9]|[1-9])|pass]
# Each genmove added exactly one record.
5 undo
6 undo
7 undo
8 undo
#? ?[cannot undo]
