# Local compression, loaded area inside the member: Ab = (a + 2b)·3b.
slide STLCNLOCALPRESSPARAM_E
polygon 0 0 700 0 700 600 0 600
polygon 50 100 650 100 650 500 50 500
polygon 250 250 450 250 450 350 250 350
text 350 300 25 Al
text 350 440 30 Ab
dim 250 250 450 250 -60 30 a
dim 450 250 450 350 -60 30 b
