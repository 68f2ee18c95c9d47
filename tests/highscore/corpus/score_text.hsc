Lead;  	380
Tail;370points
None;abc
Neg;-25
Plus;+12
Sign;- 4
