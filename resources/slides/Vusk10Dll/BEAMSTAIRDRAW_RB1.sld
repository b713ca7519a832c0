# Beam stair shape B drawing, detail 1: the stair beam mirrored.
slide BEAMSTAIRDRAW_RB1
polygon 0 0 -400 0 -400 600 0 600
polygon -40 40 -360 40 -360 560 -40 560
disc -90 90 25
disc -200 90 25
disc -310 90 25
disc -90 510 25
disc -310 510 25
