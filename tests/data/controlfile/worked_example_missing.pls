COMMENT
ALLSample
CEND
PLSX
Quorvanta Version 1.0
   2-  4   12255   1 100   5   1   0   0
   2   3
   0   1
   1   1
      a1      a2      b1      b2      b3
 0 011  (2A4,2F2.0)
       A . .
       B 1 .
 0 0 0 0(2A4,5F8.2)
MISSING       -1      -1      -1      -1      -1
Case   1    1.00    2.00    3.00    4.00    5.00
Case   2    2.50    3.00   -1.00    0.13   10.00
Case   3    5.00    4.00    3.00    2.00    1.00
STOP