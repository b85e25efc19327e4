COMMENT
ALLSample
CEND
PLSX
Quorvanta Version 1.0
   2   3   12255   1 100   5   1   0   0
   2   2
   0   0
   1   1
      F1      F2      y1      y2
 0 011  (2A4,2F2.0)
       S . .
       Y 1 .
 0 0 0 0(2A4,4F8.2)
Case   1    0.50   -0.25    5.00    6.00
Case   2   -1.50    0.75    6.00    7.00
Case   3    1.00   -0.50    7.00    9.00
STOP