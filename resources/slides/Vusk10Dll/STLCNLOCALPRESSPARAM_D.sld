# Local compression, loaded area free on one side: Ab = 3Al.
slide STLCNLOCALPRESSPARAM_D
polygon 0 0 600 0 600 500 0 500
polygon 200 0 400 0 400 200 200 200
poly 0 200 0 200 600 200
text 300 100 30 Al
text 300 320 30 Ab
dim 200 0 400 0 -60 30 a
dim 400 0 400 200 -60 30 b
