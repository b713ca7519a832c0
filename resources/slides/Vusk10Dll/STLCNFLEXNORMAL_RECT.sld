# Rectangular section of a flexural member: width b, height h, stirrup and tension bars.
slide STLCNFLEXNORMAL_RECT
polygon 0 0 250 0 250 500 0 500
polygon 25 25 225 25 225 475 25 475
disc 50 50 12
disc 125 50 12
disc 200 50 12
text 125 110 30 As
dim 0 0 250 0 -70 30 b
dim 250 0 250 500 -70 30 h
