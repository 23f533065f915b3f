' union: its members share storage in C
TYPE TBUF
   raw AS char PTR
   str AS INTEGER PTR
END TYPE
TYPE tag
   buf AS TBUF
   n AS INTEGER
END TYPE
GLOBAL t1 AS TAG
