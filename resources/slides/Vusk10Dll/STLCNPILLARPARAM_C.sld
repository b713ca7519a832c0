# Circular column of an axially loaded member: section of diameter d with its longitudinal bars and hoop.
slide STLCNPILLARPARAM_C
circle 200 200 200
circle 200 200 170
disc 200 60 14
disc 340 200 14
disc 200 340 14
disc 60 200 14
disc 299 101 14
disc 299 299 14
disc 101 299 14
disc 101 101 14
text 200 200 30 A's
dim 0 200 400 200 -260 30 d
