A;1004
B;1003
C;1002
D;1001
no separator here
E;5
