# Local compression, circular loaded area inside the member: Ab = π(3d)²/4.
slide STLCNLOCALPRESSPARAM_F
polygon 0 0 700 0 700 700 0 700
circle 350 350 300
circle 350 350 100
text 350 350 30 Al
text 350 560 30 Ab
dim 250 350 450 350 -140 30 d
