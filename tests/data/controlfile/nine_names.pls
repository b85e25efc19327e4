COMMENT
ALLSample
CEND
PLSX
Quorvanta Version 1.0
   2-  2   12255   1 100   5   1  -2   7
   4   5
   0   0
   1   1
      p1      p2      p3      p4      q1      q2      q3      q4      q5
 0 011  (2A4,2F2.0)
       P . .
       Q 1 .
 0 0 0 0(2A4,9F11.3)
MISSING       -9      -9      -9      -9      -9      -9      -9      -9      -9
Case   1      2.000      4.000      6.000      8.000      1.500     -3.250      5.000      7.000 123456.789
STOP