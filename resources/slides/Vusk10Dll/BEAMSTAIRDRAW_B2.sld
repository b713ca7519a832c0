# Beam stair shape B drawing, detail 2: the slab.
slide BEAMSTAIRDRAW_B2
polygon 0 0 200 0 200 -600 0 -600
polygon 1800 0 2000 0 2000 -600 1800 -600
polygon 200 0 1800 0 1800 -120 200 -120
line 220 -90 1780 -90
disc 300 -60 25
disc 450 -60 25
disc 600 -60 25
disc 750 -60 25
disc 900 -60 25
disc 1050 -60 25
disc 1200 -60 25
disc 1350 -60 25
disc 1500 -60 25
disc 1650 -60 25
