# Local compression, loaded area free on three sides: Ab = Al (a corner of the member).
slide STLCNLOCALPRESSPARAM_A
polygon 0 0 600 0 600 600 0 600
polygon 0 400 200 400 200 600 0 600
text 100 500 30 Al
dim 0 600 200 600 60 30 a
dim 200 600 200 400 60 30 b
