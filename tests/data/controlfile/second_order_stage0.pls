COMMENT
ALLSample
CEND
PLSX
Quorvanta Version 1.0
   3   3   12255   1 100   5   1   0   0
   2   2   2
   0   1   0
   1   1   1
      a1      a2      b1      b2      y1      y2
 0 011  (2A4,3F2.0)
      F1 . . .
      F2 . . .
       Y . . .
 0 0 0 0(2A4,6F8.2)
Case   1    1.00    2.00    3.00    4.00    5.00    6.00
Case   2    2.00    3.00    4.00    5.00    6.00    7.00
Case   3    3.00    5.00    4.00    6.00    7.00    9.00
STOP