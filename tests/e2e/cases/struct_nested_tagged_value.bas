' A tagged value, as an interpreter keeps it
' union: its members share storage in C
TYPE TVALUE
   i AS INTEGER
   d AS double
END TYPE
TYPE TPPOS
   x AS INTEGER, y AS INTEGER
END TYPE
TYPE outer
   kind AS INTEGER                                         'which member is set
   value AS TVALUE
   ppos AS TPPOS
END TYPE
GLOBAL o AS outer

SUB show ()
   ' union: its members share storage in C
   TYPE TU
      DIM RAW a AS INTEGER
      DIM RAW b AS float
   END TYPE
   TYPE TLOCAL
      DIM RAW u AS TU
   END TYPE
   DIM RAW local AS TLOCAL
   local.u.a = 1
END SUB
