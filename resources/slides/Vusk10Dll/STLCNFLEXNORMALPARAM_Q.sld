# Punching of a slab by a concentrated reaction: the column's reaction N from below, the surface
# load q on the slab and the punching cone at 45°.
slide STLCNFLEXNORMALPARAM_Q
polygon 0 300 800 300 800 500 0 500
polygon 300 0 500 0 500 300 300 300
line 400 -150 400 -20
poly 380 -50 400 -10 420 -50
text 400 -190 30 N
line 0 580 800 580
line 100 580 100 510
line 250 580 250 510
line 400 580 400 510
line 550 580 550 510
line 700 580 700 510
text 400 620 30 q
line 300 300 100 500
line 500 300 700 500
dim 800 300 800 500 -60 30 ho
