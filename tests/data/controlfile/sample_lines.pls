COMMENT
SubSample 0
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
 0 0 0 0(2A4,5F9.3)
MISSING       -1      -1      -1      -1      -1
Case   1    1.000    2.000    3.000    4.000    5.000
Case   2    2.500    3.000   -1.000    0.126   10.000
Case   3    5.000    4.000    3.000    2.000    1.000
SAMPLE 102
SAMPLE 030 SubSample 1
SAMPLE -3 SubSample 2
SAMPLE * ALLSample
STOP