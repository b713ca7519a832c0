# Local compression, loaded area free on two sides: Ab = Al.
slide STLCNLOCALPRESSPARAM_B
polygon 0 0 600 0 600 600 0 600
polygon 0 0 200 0 200 200 0 200
text 100 100 30 Al
dim 200 0 0 0 -60 30 a
dim 0 0 0 200 60 30 b
