# Punching of a slab under a local load: the column below the slab, the load Fl on it and the
# critical section ho/2 from the column face.
slide STLCNFLEXNORMALPARAM_F
polygon 0 300 800 300 800 500 0 500
polygon 300 0 500 0 500 300 300 300
line 400 700 400 520
poly 380 550 400 510 420 550
text 400 730 30 Fl
line 300 300 210 500
line 500 300 590 500
dim 800 300 800 500 -60 30 h
dim 300 0 500 0 -60 30 a
