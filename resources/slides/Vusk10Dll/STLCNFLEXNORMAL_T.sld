# T section of a flexural member: web b × h, flange b'f × h'f, stirrup and tension bars.
slide STLCNFLEXNORMAL_T
polygon 175 0 425 0 425 480 600 480 600 600 0 600 0 480 175 480
polygon 200 25 400 25 400 575 200 575
disc 225 50 12
disc 300 50 12
disc 375 50 12
text 300 110 30 As
dim 175 0 425 0 -70 30 b
line 425 0 700 0
line 600 600 700 600
dim 680 600 680 0 0 30 h
dim 0 600 600 600 70 30 b'f
dim 0 480 0 600 70 30 h'f
