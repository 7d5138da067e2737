# Framing: ids echoed, comments cut, blank lines and tabs, command names case-sensitive.
1 protocol_version
#? [2]
2 name
#? [Zada Da]
3 version
#? [\d+\.\d+.*]

# A comment line and the blank lines around it get no response: the next id shows it.
    

4 known_command play
#? [true]
5 known_command PLAY
#? [false]
6 known_command frobnicate
#? [false]
7 PLAY b D4
#? ?[unknown command]
8 Name
#? ?[unknown command]
9 frobnicate
#? ?[unknown command]
10	name	# tabs separate like blanks and this comment is cut
#? [Zada Da]
   11    protocol_version   
#? [2]
protocol_version
#? [2]
0 protocol_version
#? [2]
4294967296123 protocol_version
#? [2]
-5 protocol_version
#? ?[unknown command]
12 list_commands
#? [protocol_version\nname\nversion\nknown_command\nlist_commands\nquit\nboardsize\nclear_board\nkomi\nfixed_handicap\nplace_free_handicap\nset_free_handicap\ntime_settings\ntime_left\nkgs-time_settings\nset_random_seed\nplay\ngenmove\nkgs-genmove_cleanup\nundo\nis_legal\nall_legal\nshowboard\nlist_stones\ncaptures\nfinal_score\nfinal_status_list\nprintsgf\nloadsgf]
13 known_command
#? ?[syntax error]
14 protocol_version extra
#? ?[syntax error]
15
#? ?[syntax error]
16 # an id followed only by a comment
#? ?[syntax error]
17 play b d4#a comment right after the vertex
18 play B d5
19 play BLACK D6
20 play White e4
21 play w PASS
22 list_stones b
#? [D4 D5 D6]
23 list_stones WHITE
#? [E4]
24 boardsize 19
25 list_stones black
#? []
