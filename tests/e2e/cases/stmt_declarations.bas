GLOBAL total AS double, cursor AS double PTR, table[10] AS double
GLOBAL name[32]  AS char

SUB fill (n AS INTEGER)
   STATIC calls AS INTEGER
   DIM RAW p AS char PTR, pp AS char PTR PTR, buf[N *2] AS char
   calls = n
END SUB
