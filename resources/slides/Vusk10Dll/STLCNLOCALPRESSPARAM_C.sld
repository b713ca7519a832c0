# Local compression, loaded area free on two opposite sides: Ab = 3Al.
slide STLCNLOCALPRESSPARAM_C
polygon 0 0 600 0 600 300 0 300
polygon 200 0 400 0 400 300 200 300
polygon 0 0 600 0 600 300 0 300
line 200 0 200 300
line 400 0 400 300
text 300 150 30 Al
text 100 150 30 Ab
dim 200 0 400 0 -60 30 a
