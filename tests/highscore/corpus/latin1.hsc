Jürgen;300
Änne;200
ÿþ;100
