# Rectangular column of an axially loaded member: section b × h with its longitudinal bars and tie.
slide STLCNPILLARPARAM_R
polygon 0 0 400 0 400 400 0 400
polygon 30 30 370 30 370 370 30 370
disc 60 60 14
disc 200 60 14
disc 340 60 14
disc 60 200 14
disc 340 200 14
disc 60 340 14
disc 200 340 14
disc 340 340 14
text 200 200 30 A's
dim 0 0 400 0 -70 30 b
dim 400 0 400 400 -70 30 h
